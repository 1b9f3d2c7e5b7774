#pragma once

#include <filesystem>
#include <string>
#include <system_error>

#include <unistd.h>

// Changes the working folder for the life of the guard and changes it back
// however the test leaves the scope: a failed assertion returns early, and
// the tests after it must not run in the wrong folder. A folder the guard
// made itself goes with it.
class ScopedWorkingFolder {
public:
    // Into an existing folder, which stays.
    explicit ScopedWorkingFolder(const std::filesystem::path& folder) : ScopedWorkingFolder(folder, false) {}

    // Into a new, empty folder under the system's temporary folder, named
    // after `name` and the process.
    static ScopedWorkingFolder Fresh(const std::string& name)
    {
        const std::filesystem::path folder =
            std::filesystem::temp_directory_path() / (name + "-" + std::to_string(::getpid()));
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        return ScopedWorkingFolder(folder, true);
    }

    ~ScopedWorkingFolder()
    {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
        if (owned_)
            std::filesystem::remove_all(folder_, ignored);
    }
    ScopedWorkingFolder(const ScopedWorkingFolder&) = delete;
    ScopedWorkingFolder& operator=(const ScopedWorkingFolder&) = delete;

    // The folder worked in, as given or made.
    const std::filesystem::path& Path() const { return folder_; }

private:
    ScopedWorkingFolder(const std::filesystem::path& folder, bool owned)
        : previous_(std::filesystem::current_path()), folder_(folder), owned_(owned)
    {
        std::filesystem::current_path(folder_);
    }

    std::filesystem::path previous_;
    std::filesystem::path folder_;
    bool owned_;
};
