#pragma once
// Records what the program asked the file-open dialog and answers as the user chose.
#include <optional>
#include <string>
#include <vector>

#include "platform/open_file_dialog.h"

namespace velkor::fakes {

class FakeOpenFileDialog : public OpenFileDialog {
  public:
    std::vector<OpenFileRequest> requests;
    // What the file-name buffer holds when the user presses Open; nothing means Cancel.
    std::optional<std::string> answer;

    std::optional<std::string> ChooseFile(const OpenFileRequest& request) override {
        requests.push_back(request);
        return answer;
    }
};

}  // namespace velkor::fakes
