// The three save files of a slime: data.sura (the pet record), word.sura (the words it learned)
// and big.sura (its picture width). Opened once at start-up and kept open; this is the only
// code that knows their byte layouts.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "pet_record.h"
#include "save_folder.h"
#include "text_codec.h"

namespace zupel {

constexpr int kDataLen = 32;
constexpr int kWordLen = 20;
constexpr int kBigLen = 2;

inline constexpr const char* kDataFile = "data.sura";
inline constexpr const char* kWordFile = "word.sura";
inline constexpr const char* kBigFile = "big.sura";

// Byte layouts, usable without any file.
Bytes encodePet(const PetRecord& pet, const TextCodec& codec);
PetRecord decodePet(const Bytes& record, const TextCodec& codec);
Bytes encodeWord(const std::string& word, const TextCodec& codec);
std::string decodeWord(const Bytes& record, const TextCodec& codec);

class SaveFiles {
public:
    SaveFiles(SaveFolder& folder, const TextCodec& codec);

    void open();

    PetRecord readPet();
    // Whether data.sura holds a record: only an empty file means there is no slime yet.
    bool holdsPet();
    void writePet(const PetRecord& pet);
    int16_t readSize();
    void writeSize(int16_t size);
    // Record n of word.sura as 20 characters; a record past the end of the file is all blanks.
    std::string readWord(int n);
    void writeWord(int n, const std::string& word);
    // How many words word.sura holds in whole records.
    int64_t wordRecords();
    // The record as data.sura keeps it: the name cut to its 10 bytes and read back.
    PetRecord asStored(const PetRecord& pet) const;

    // Closes every file, then deletes data.sura and word.sura, and big.sura unless keepSize.
    void removeAll(bool keepSize);
    void close();

private:
    RecordFile& file(std::unique_ptr<RecordFile>& f, const char* name);

    SaveFolder& folder_;
    const TextCodec& codec_;
    std::unique_ptr<RecordFile> data_, word_, big_;
};

}  // namespace zupel
