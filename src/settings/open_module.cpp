#include "settings/open_module.h"

#include <algorithm>

namespace velkor {

std::string FilterList(std::string_view filter) {
    std::string list(filter);
    if (list.empty() || list.back() != '|') list += '|';
    std::replace(list.begin(), list.end(), '|', '\0');
    list += '\0';
    return list;
}

std::string FolderOfFile(std::string_view executablePath) {
    const auto slash = executablePath.rfind('\\');
    if (slash == std::string_view::npos) return {};
    std::string folder(executablePath.substr(0, slash));
    if (folder.size() == 2 && folder[1] == ':') folder += '\\';  // a drive root keeps it
    return folder;
}

std::string ShowOpenFileDialog(OpenFileDialog& dialog, WindowHandle owner, std::string_view filter,
                               std::string_view title, std::string_view initialFolder) {
    OpenFileRequest request;
    request.owner = owner;
    request.filter = FilterList(filter);
    request.title = title;
    request.initialFolder = initialFolder;
    request.flags = kOfnFileMustExist | kOfnHideReadOnly;
    request.pathLengthChars = kOpenFilePathLengthChars;
    const std::optional<std::string> chosen = dialog.ChooseFile(request);
    if (!chosen) return {};
    const auto first = chosen->find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const auto last = chosen->find_last_not_of(' ');
    return chosen->substr(first, last - first + 1);
}

}  // namespace velkor
