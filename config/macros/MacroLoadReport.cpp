#include "config/macros/MacroLoadReport.h"

#include "platform/TextCodec.h"

namespace solune {

namespace {

std::string problemLines(const MacroLoadReport& report) {
    std::string text;
    for (const MacroLoadProblem& problem : report.problems) {
        text += "\n" + problem.path.filename().string() + " " + problem.reason + ".";
    }
    return text;
}

std::string renumberedLines(const MacroLoadReport& report) {
    std::string text;
    for (const MacroRenumbered& r : report.renumbered) {
        text += "\nThe macro \"" + ToUtf8(r.name) + "\" had the id " + std::to_string(r.oldId) +
                " of an earlier macro and now has the id " + std::to_string(r.newId) + ".";
    }
    return text;
}

}  // namespace

std::string LoadProblemMessage(const MacroLoadReport& report) {
    if (!report.NeedsTelling()) {
        return {};
    }
    std::string text;
    if (report.folderRefused) {
        text = "The macros were not loaded and will not be saved:";
        text += problemLines(report);
        return text;
    }
    if (!report.problems.empty()) {
        text = "Some of the macro library could not be read. It is left as it is in the macro "
               "folder and will not be overwritten:";
        text += problemLines(report);
        if (!report.damagedCopy.empty()) {
            text += "\nA copy of the damaged files is in " + report.damagedCopy.string() + ".";
        }
    }
    if (!report.renumbered.empty()) {
        text += text.empty() ? "Two macros had the same id:" : "\nTwo macros had the same id:";
        text += renumberedLines(report);
    }
    return text;
}

}  // namespace solune
