// The main dialog's form exchange, settings profile, option rules, output naming and
// engine command line.
#include "core/command_line.h"
#include "core/control_ids.h"
#include "core/exchange.h"
#include "core/integer_text.h"
#include "core/messages.h"
#include "core/output_name.h"
#include "core/paths.h"
#include "core/settings_keys.h"
#include "core/switches.h"
#include "ui/vokanti_dlg.h"

namespace vokanti {

bool CVokantiDlg::doDataExchange(bool save) {
    if (!save) {
        writeExchange(form_, options, *this);
        return true;
    }
    const std::optional<int> rejected = readExchange(form_, options);
    if (!rejected) return true;
    platform_.prompts.resultBox(text::kIntegerRequired);
    form_.focusAndSelectAll(*rejected);
    return false;
}

// A rejected number has been shown with its field focused; every operation that reads the
// form goes on with the values the options then hold (the fields before it read anew, the
// rejected one and those after it as they were).
void CVokantiDlg::readForm() { doDataExchange(true); }

void CVokantiDlg::writeForm() { doDataExchange(false); }

// The combo boxes show the models' entries in the models' order.
int CVokantiDlg::findEqualEntry(int id, const std::string& text) const {
    switch (id) {
        case IDC_INPUT: return inputHistory.findEqual(text);
        case IDC_OUTPUT: return outputHistory.findEqual(text);
        case IDC_DICTIONARY: return dictionaryList.findEqual(text);
        default: return -1;
    }
}

void CVokantiDlg::loadSettings() {
    // A value with no number at its start (or a missing key) gives the default.
    const auto readInt = [this](const char* key, int32_t fallback) {
        return parseProfileInt(platform_.profile.readText(kProfileSection, key)).value_or(fallback);
    };
    for (const CheckKey& k : checkKeysLoadOrder()) {
        form_.setChecked(k.controlId, readInt(k.key, k.defaultOn ? 1 : 0) != 0);
    }
    const JobOptions defaults;
    for (const IntKey& k : intKeys()) options.*k.field = readInt(k.key, defaults.*k.field);
    options.knownLevel = parseKnownLevel(platform_.profile.readText(kProfileSection, kKnownLevelKey));
    writeForm();
    applyOptionRules();
}

void CVokantiDlg::applyOptionRules() {
    applyQuestionRule();
    onDownloadOnlyClicked();
    applyIgnoreListRule();
    applyCutRule();
    proposeOutputName();
    reproposeIfOutputSet();
    reproposeIfOutputSet();
}

void CVokantiDlg::saveSettings() {
    readForm();  // a rejected field keeps the value read before; the rest is still saved
    ProfileStore& profile = platform_.profile;
    bool written = true;
    for (const CheckKey& k : checkKeysSaveOrder()) {
        written &= profile.writeInt(kProfileSection, k.key, form_.checked(k.controlId) ? 1 : 0);
    }
    for (const IntKey& k : intKeys()) {
        written &= profile.writeInt(kProfileSection, k.key, options.*k.field);
    }
    written &= options.knownLevel != 0 ? profile.writeInt(kProfileSection, kKnownLevelKey, options.knownLevel)
                                       : profile.removeKey(kProfileSection, kKnownLevelKey);
    if (!written) platform_.prompts.resultBox(text::kSettingsSaveFailed);
}

void CVokantiDlg::applyIgnoreListRule() {
    readForm();
    const bool noIgnore = form_.checked(IDC_NO_IGNORE);
    if (noIgnore) {
        options.ignoreShort = 0;
        options.ignoreLong = kMaxIgnoreLong;
    }
    form_.setEnabled(IDC_IGNORE_SHORT, !noIgnore);
    form_.setEnabled(IDC_IGNORE_LONG, !noIgnore);
    writeForm();
}

void CVokantiDlg::applyQuestionRule() {
    form_.setEnabled(IDC_QUESTION_NUM, form_.checked(IDC_QUESTION));
}

void CVokantiDlg::applyCutRule() {
    readForm();
    form_.setEnabled(IDC_CUT_LENGTH, form_.checked(IDC_CUT));
    writeForm();
}

void CVokantiDlg::applyNoDictPreset() {
    if (!form_.checked(IDC_NO_DICT)) return;
    form_.setChecked(IDC_INPUT_LIST_ONLY, true);
    form_.setChecked(IDC_MATCH_WORD, true);
    form_.setChecked(IDC_MATCH_WORD_IDIOM, false);
    form_.setChecked(IDC_MATCH_IDIOM, false);
    form_.setChecked(IDC_OUTPUT_DB, false);
    form_.setChecked(IDC_OUTPUT_CSV, false);
    form_.setChecked(IDC_OUTPUT_HTML2, false);
    form_.setChecked(IDC_OUTPUT_HTML1, true);
    reproposeIfOutputSet();
}

void CVokantiDlg::reproposeIfOutputSet() {
    // The output as last exchanged with the form: an empty output is left empty.
    if (!options.output.empty()) proposeOutputName();
}

void CVokantiDlg::proposeOutputName() {
    OutputNaming naming;
    naming.format = readOutputFormat(form_);
    readForm();  // a rejected number does not stop the proposal
    if (options.input.empty()) return;
    naming.input = options.input;
    naming.sameDir = form_.checked(IDC_SAME_DIR);
    naming.downloadOnly = form_.checked(IDC_DOWNLOAD_ONLY);
    if (const auto desktop = platform_.shell.desktopDirectory()) {
        naming.desktop = normalizePath(*desktop);
    }
    const std::optional<std::string> output = proposedOutputName(naming);
    if (!output) return;  // the desktop folder is needed and unknown: keep the output
    options.output = *output;
    writeForm();
}

void CVokantiDlg::onDownloadOnlyClicked() {
    proposeOutputName();
    writeForm();
}

std::string CVokantiDlg::buildCommandLine() {
    readForm();  // a rejected number leaves the value read before, and the job goes on
    const Switches switches = readSwitches(form_);
    clampForEngine(switches, options);
    // Only the dictionaries added in this run travel on the command line; the entries that
    // came from env/dict.txt are the engine's own.
    return engineCommandLine(EnginePath, switches, options, dictionaryList.added());
}

}  // namespace vokanti
