// Arbitrary bytes as the settings file, read the way every start reads it: no input may crash
// or hang the reader, each one leads to one of the three start-up decisions, reading never
// writes, and a file that lets the start go on is written back and read again unchanged.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "cp1252_codec.h"
#include "fake_file_system.h"
#include "fake_message_boxes.h"
#include "fake_system_folders.h"
#include "settings/settings_file_format.h"
#include "settings/settings_store.h"

namespace velkor {
namespace {

const std::string kFolder = "C:\\WINDOWS\\system32\\";
const std::string kFile = kFolder + std::string(kSettingsFileName);

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "settings reader: %s\n", what);
    std::abort();
}

void Check(bool holds, const char* what) {
    if (!holds) Fail(what);
}

struct Store {
    fakes::FakeSystemFolders folders;
    fakes::FakeFileSystem files;
    fakes::Cp1252Codec codec;
    fakes::FakeMessageBoxes messages;
    SettingsStore store{folders, files, codec, messages};

    Store() { files.folders.insert(kFolder); }

    std::size_t Writes() const {
        std::size_t count = 0;
        for (const auto& call : files.calls) count += call.rfind("ReplaceAtomically ", 0) == 0;
        return count;
    }
};

// The record as a save writes it: the section markers always go out as their defaults.
SettingsRecord AsWritten(SettingsRecord record) {
    for (const SettingsLine& line : kSettingsLines)
        if (line.alwaysWrittenAsDefault && line.field != &SettingsRecord::Magic)
            record.*line.field = line.defaultValue;
    return record;
}

void CheckRoundTrip(Store& first, const SettingsRecord& record) {
    Check(first.store.WriteSettingsFile(record).ok(), "writing the record failed");
    const std::string written = first.files.files.at(kFile);
    Check(written.compare(0, kCurrentFormatTag.size() + 2,
                          std::string(kCurrentFormatTag) + "\r\n") == 0,
          "the written file does not start with the current tag");
    std::size_t lineEnds = 0;
    for (std::size_t at = written.find('\r'); at != std::string::npos;
         at = written.find('\r', at + 1)) {
        Check(at + 1 < written.size() && written[at + 1] == '\n', "a CR without LF was written");
        ++lineEnds;
    }
    Check(lineEnds == kSettingsLineCount, "the written file does not have 27 lines");
    Check(written.size() >= 2 && written.compare(written.size() - 2, 2, "\r\n") == 0,
          "the written file does not end with CR LF");
    Check(first.messages.shown.empty(), "writing the file showed a message");

    // A new run reads what this one wrote.
    Store second;
    second.files.files[kFile] = written;
    SettingsRecord reread;
    Check(second.store.LoadSettings(reread) == StartupDecision::Continue,
          "the written file does not let the start go on");
    Check(reread == AsWritten(record), "the record read back differs from the one written");
}

void ReadOneFile(const std::string& bytes) {
    Store run;
    run.files.files[kFile] = bytes;
    SettingsRecord record;
    const StartupDecision decision = run.store.LoadSettings(record);

    Check(run.Writes() == 0, "reading the settings wrote a file");
    Check(run.files.files.at(kFile) == bytes, "reading the settings changed the file");
    for (const SettingsLine& line : kSettingsLines)
        Check((record.*line.field).find('\r') == std::string::npos, "a value holds a CR");

    switch (decision) {
        case StartupDecision::Continue:
            Check(record.Magic == kCurrentFormatTag, "Continue without the current tag");
            CheckRoundTrip(run, record);
            break;
        case StartupDecision::Upgrade:
            Check(record.Magic == kPreviousFormatTag, "Upgrade without the previous tag");
            break;
        case StartupDecision::FirstStart:
            Check(record.Magic != kPreviousFormatTag, "FirstStart for a previous-version file");
            break;
        default:
            Fail("no start-up decision");
    }
}

}  // namespace
}  // namespace velkor

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    velkor::ReadOneFile(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
