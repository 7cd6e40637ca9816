// The folder that holds the save files, as the game sees it: fixed-length-record files that can
// be opened, read, written and deleted. The program backs it with real files; tests with memory.
// Every failure is thrown as SaveFileError and ends the game with a clear report.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace zupel {

class SaveFileError : public std::runtime_error {
public:
    SaveFileError(std::string file, std::string operation, std::string reason)
        : std::runtime_error(file + ": cannot " + operation + ": " + reason),
          file_(std::move(file)),
          operation_(std::move(operation)),
          reason_(std::move(reason)) {}
    const std::string& file() const { return file_; }
    const std::string& operation() const { return operation_; }
    const std::string& reason() const { return reason_; }

private:
    std::string file_, operation_, reason_;
};

using Bytes = std::vector<uint8_t>;

class RecordFile {
public:
    virtual ~RecordFile() = default;
    // Record n (counting from 1). Bytes beyond the end of the file read as zeros.
    virtual Bytes readRecord(int n) = 0;
    // Returns only once the record has reached the disk.
    virtual void writeRecord(int n, const Bytes& record) = 0;
    // The file's length in bytes.
    virtual int64_t length() = 0;
    // Where the player finds the file, for reports.
    virtual std::string path() const = 0;
};

class SaveFolder {
public:
    virtual ~SaveFolder() = default;
    // Opens (creating it empty when absent) a file of records of `recordLength` bytes.
    virtual std::unique_ptr<RecordFile> open(const std::string& name, int recordLength) = 0;
    // Deletes a closed file; a file that is already gone is not an error.
    virtual void remove(const std::string& name) = 0;
};

}  // namespace zupel
