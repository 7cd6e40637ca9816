#include "save_files.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "utf8_text.h"

namespace zupel {
namespace {

void putInt16(Bytes& out, std::size_t at, int16_t value) {
    const auto u = static_cast<uint16_t>(value);
    out[at] = static_cast<uint8_t>(u & 0xFF);
    out[at + 1] = static_cast<uint8_t>(u >> 8);
}

int16_t getInt16(const Bytes& in, std::size_t at) {
    return static_cast<int16_t>(static_cast<uint16_t>(in[at] | (in[at + 1] << 8)));
}

void putDouble(Bytes& out, std::size_t at, double value) {
    const auto bits = std::bit_cast<uint64_t>(value);
    for (int i = 0; i < 8; ++i) out[at + i] = static_cast<uint8_t>(bits >> (8 * i));
}

double getDouble(const Bytes& in, std::size_t at) {
    uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) bits |= static_cast<uint64_t>(in[at + i]) << (8 * i);
    return std::bit_cast<double>(bits);
}

void putText(Bytes& out, std::size_t at, std::string_view utf8, std::size_t width,
             const TextCodec& codec) {
    const std::string field = codec.toFileField(utf8, width);
    std::copy_n(field.begin(), std::min(field.size(), width), out.begin() + at);
}

// Unwritten bytes of a record are zeros; they read as blanks, i.e. no text.
std::string getText(const Bytes& in, std::size_t at, std::size_t width, std::size_t chars,
                    const TextCodec& codec) {
    std::string raw(in.begin() + at, in.begin() + at + width);
    std::replace(raw.begin(), raw.end(), '\0', ' ');
    return fitToWidth(codec.fromFileField(raw), chars);
}

Bytes sized(Bytes record, int length) {
    record.resize(length, 0);
    return record;
}

}  // namespace

Bytes encodePet(const PetRecord& pet, const TextCodec& codec) {
    Bytes out(kDataLen, 0);
    putText(out, 0, pet.name, 10, codec);
    putInt16(out, 10, pet.age);
    putInt16(out, 12, pet.condition);
    putInt16(out, 14, pet.asobi);
    putInt16(out, 16, pet.esa);
    putInt16(out, 18, pet.ondo);
    putInt16(out, 20, pet.wordcount);
    putInt16(out, 22, pet.state);
    putDouble(out, 24, pet.lastdate);
    return out;
}

PetRecord decodePet(const Bytes& record, const TextCodec& codec) {
    const Bytes in = sized(record, kDataLen);
    PetRecord pet;
    pet.name = getText(in, 0, 10, kNameChars, codec);
    pet.age = getInt16(in, 10);
    pet.condition = getInt16(in, 12);
    pet.asobi = getInt16(in, 14);
    pet.esa = getInt16(in, 16);
    pet.ondo = getInt16(in, 18);
    pet.wordcount = getInt16(in, 20);
    pet.state = getInt16(in, 22);
    pet.lastdate = getDouble(in, 24);
    return pet;
}

Bytes encodeWord(const std::string& word, const TextCodec& codec) {
    Bytes out(kWordLen, 0);
    putText(out, 0, word, kWordLen, codec);
    return out;
}

std::string decodeWord(const Bytes& record, const TextCodec& codec) {
    return getText(sized(record, kWordLen), 0, kWordLen, kWordChars, codec);
}

SaveFiles::SaveFiles(SaveFolder& folder, const TextCodec& codec) : folder_(folder), codec_(codec) {}

void SaveFiles::open() {
    data_ = folder_.open(kDataFile, kDataLen);
    // Only an empty data.sura means "no slime yet". Any other length than one whole record is a
    // damaged file: reading it would lose the slime, so the game stops before it creates or
    // writes anything, and the player can still restore the file.
    if (const int64_t length = data_->length(); length != 0 && length != kDataLen) {
        throw SaveFileError(data_->path(), "read",
                            "it is " + std::to_string(length) +
                                " bytes long; a slime's record is " + std::to_string(kDataLen) +
                                " bytes, and only an empty file means no slime yet");
    }
    word_ = folder_.open(kWordFile, kWordLen);
    big_ = folder_.open(kBigFile, kBigLen);
}

RecordFile& SaveFiles::file(std::unique_ptr<RecordFile>& f, const char* name) {
    if (!f) throw SaveFileError(name, "use", "the file is not open");
    return *f;
}

PetRecord SaveFiles::readPet() {
    return decodePet(file(data_, kDataFile).readRecord(1), codec_);
}

bool SaveFiles::holdsPet() {
    return file(data_, kDataFile).length() != 0;
}

void SaveFiles::writePet(const PetRecord& pet) {
    file(data_, kDataFile).writeRecord(1, encodePet(pet, codec_));
}

int16_t SaveFiles::readSize() {
    return getInt16(sized(file(big_, kBigFile).readRecord(1), 2), 0);
}

void SaveFiles::writeSize(int16_t size) {
    Bytes out(kBigLen, 0);
    putInt16(out, 0, size);
    file(big_, kBigFile).writeRecord(1, out);
}

std::string SaveFiles::readWord(int n) {
    return decodeWord(file(word_, kWordFile).readRecord(n), codec_);
}

void SaveFiles::writeWord(int n, const std::string& word) {
    file(word_, kWordFile).writeRecord(n, encodeWord(word, codec_));
}

int64_t SaveFiles::wordRecords() {
    return file(word_, kWordFile).length() / kWordLen;
}

PetRecord SaveFiles::asStored(const PetRecord& pet) const {
    return decodePet(encodePet(pet, codec_), codec_);
}

void SaveFiles::removeAll(bool keepSize) {
    close();
    folder_.remove(kDataFile);
    folder_.remove(kWordFile);
    if (!keepSize) folder_.remove(kBigFile);
}

void SaveFiles::close() {
    data_.reset();
    word_.reset();
    big_.reset();
}

}  // namespace zupel
