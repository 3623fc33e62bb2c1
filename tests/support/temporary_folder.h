// A real folder for a test, removed with everything in it when the test is over.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Writes `content` to the file at `relative`, creating folders on the way.
    std::filesystem::path write(std::string_view relative, std::string_view content) const;

private:
    std::filesystem::path path_;
};

// The number of descriptors this process holds open.
int openDescriptorCount();
