#pragma once
// The outcome of a file operation: success, or the path that failed and the system's reason.
#include <string>
#include <utility>

namespace velkor {

class [[nodiscard]] IoStatus {
public:
    static IoStatus Success() { return IoStatus{}; }
    static IoStatus Failure(std::string path, std::string reason) {
        IoStatus status;
        status.failed_ = true;
        status.path_ = std::move(path);
        status.reason_ = std::move(reason);
        return status;
    }

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const std::string& path() const { return path_; }
    const std::string& reason() const { return reason_; }

private:
    bool failed_ = false;
    std::string path_;
    std::string reason_;
};

}  // namespace velkor
