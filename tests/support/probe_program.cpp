// A program for the tests to start: it writes what it was given by whoever started it to
// "<its own path>.report", then exits at once.
#include <signal.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

std::string statusField(const std::string& name) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(name + ":", 0) == 0) {
            return line.substr(line.find_first_not_of(" \t", name.size() + 1));
        }
    }
    return "?";
}

}  // namespace

int main(int argc, char** argv) {
    // Before anything of its own is open: only what it was given (and the listing itself).
    std::string descriptors;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
        descriptors += entry.path().filename().string() + ",";
    }
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe");
    std::ofstream report(self.string() + ".report.part");
    report << "argc=" << argc << "\n";
    report << "argv0=" << argv[0] << "\n";
    report << "cwd=" << std::filesystem::current_path().string() << "\n";
    report << "own_session=" << (getsid(0) == getpid() ? 1 : 0) << "\n";
    report << "fds=" << descriptors << "\n";
    report << "blocked=" << statusField("SigBlk") << "\n";
    report << "ignored=" << statusField("SigIgn") << "\n";
    report.close();
    // Renamed when complete, so the test never reads half a report.
    std::filesystem::rename(self.string() + ".report.part", self.string() + ".report");
    return 0;
}
