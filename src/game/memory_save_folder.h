// A save folder kept in memory: the rules can run without touching a disk (tests, benchmarks),
// and the files' bytes stay readable afterwards.
#pragma once

#include <map>
#include <string>

#include "save_folder.h"

namespace zupel {

class MemorySaveFolder final : public SaveFolder {
public:
    std::map<std::string, Bytes> files;
    int writes = 0;  // records written so far

    std::unique_ptr<RecordFile> open(const std::string& name, int recordLength) override;
    void remove(const std::string& name) override { files.erase(name); }
    bool exists(const std::string& name) const { return files.count(name) > 0; }
};

}  // namespace zupel
