#include <cstdio>

#include "app/product_codes.h"
#include "report/report.h"
#include "setup/commands.h"

namespace {

// What oltrevan.exe would do on the chosen road, in the order it would do it.
struct Plan {
  std::string why;
  std::string prompt;  // empty: none
  std::u16string uninstallCommand;
  bool uninstall = false, legacyCopy = false;
  std::vector<std::string> backups, markers;
  std::u16string setupCommand;  // empty: setup is not started
  std::string setupCondition;
};

std::string Number(long long n) { return std::to_string(n); }

std::string InstalledFrom(const ReportFacts& f) {
  if (f.state.installedCode.empty()) return "nothing installed was found";
  if (!f.installedProductIdValue.empty()) return "named by the product key's PRODUCTID";
  return "inferred from an uninstall entry of kind " + Number(f.state.uninstallKeyKind) + ", " +
         (f.cloud == -1 ? std::string("no product key") : "CloudEnable " + Number(f.cloud)) + " and platform kind " +
         Number(f.state.platformKind);
}

Plan MakePlan(const ReportFacts& f) {
  const RunState& s = f.state;
  Plan p;
  const bool migrate = s.installedCode == kCodeStandard;
  switch (f.road) {
    case Road::kMissingProductId:
      p.why = "the answer file names no product (no PRODUCTID, and PRODUCTPATCH is not \"1\")";
      p.prompt = "missing-product-ID dialog, then the end (also when silent)";
      return p;
    case Road::kNothingInstalled:
      p.why = "no product key names an installed code and no InstallShield uninstall entry holds a command";
      p.setupCommand = SetupCommand(s.silent);
      return p;
    case Road::kOtherEdition:
      p.why =
          "the installed code " + Utf8(s.installedCode) + " differs from the package's " + Utf8(s.productId);
      if (!s.silent) p.prompt = "upgrade prompt; only Continue goes on";
      p.uninstall = true;
      p.setupCommand = SetupCommand(s.silent);
      p.setupCondition = "only after a successful uninstall";
      break;
    case Road::kOlderInstallation:
      p.why = "the same code, from an older installation found through an uninstall entry";
      p.uninstall = true;
      p.legacyCopy = migrate && s.uninstallKeyKind == 1;
      p.backups = {"backup.reg <- HKEY_CURRENT_USER\\" + Utf8(productKeyPath),
                   "backup_machine.reg <- HKEY_LOCAL_MACHINE\\" + Utf8(productKeyPath)};
      if (migrate && s.markConsumerUpgrade) p.markers.push_back("HKLM ConsumerUpgrade=1");
      if (migrate) p.markers.push_back("HKCU UpdateHint=1");
      p.setupCommand = SetupCommand(0);
      p.setupCondition = "only after a successful uninstall";
      break;
    case Road::kCurrentInstallation:
      p.why = "the same code, from a current installation";
      if (s.markConsumerUpgrade) p.markers.push_back("HKLM ConsumerUpgrade=1");
      p.setupCommand = SetupCommand(s.silent);
      return p;
  }
  p.uninstallCommand = s.uninstallCommand + (f.swapWouldBeMade ? AnswerFileSwitches(f.directory) : u"");
  return p;
}

std::string Quoted(std::u16string_view text) { return "\"" + Utf8(text) + "\""; }

}  // namespace

std::string Utf8(std::u16string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    uint32_t c = text[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000)
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    else if (c >= 0xD800 && c < 0xE000)
      c = 0xFFFD;  // a lone surrogate
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | c >> 6);
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | c >> 12);
      out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | c >> 18);
      out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
      out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

std::string JsonString(std::u16string_view text) { return JsonString(Utf8(text)); }

std::string JsonString(std::string_view utf8) {
  std::string out = "\"";
  for (char c : utf8) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof(escaped), "\\u%04x", u);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::u16string AsciiLower(std::u16string_view text) {
  std::u16string out(text);
  for (char16_t& c : out) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 32);
  }
  return out;
}

std::vector<std::string> ReportWarnings(const ReportFacts& f) {
  std::vector<std::string> w;
  if (f.setupBakPresent)
    w.push_back("\"setup.bak\" is already in the folder: the answer file would not be adapted");
  if (f.answerFilePresent && !f.state.productId.empty() && f.codeOccurrences == 0) {
    w.push_back(
        f.codeOccurrencesAnyCase > 0
            ? "the package's code occurs in the answer file only in another letter case: it is not replaced"
            : "the package's code does not occur in the answer file");
  }
  if (f.answerFileUtf16) w.push_back("the answer file is UTF-16");
  if (f.answerFileZeroByte)
    w.push_back("the answer file holds a zero byte: the uninstaller's copy would end there");
  const Plan plan = MakePlan(f);
  if (plan.uninstall && plan.uninstallCommand.size() >= 260) {
    w.push_back("the uninstall command has " + Number(plan.uninstallCommand.size()) +
                " characters: it would not be started (259 at most)");
  }
  if (!f.setupExePresent) w.push_back("no \"setup.exe\" in the folder: setup would not start");
  for (const UninstallKeyFact& key : f.uninstallKeys) {
    if (key.opensForReading && !key.opensWithFullAccess)
      w.push_back("uninstall key InstallShield_" + Utf8(key.code) +
                  " refuses full access: it counts as absent");
  }
  return w;
}

std::string FormatReportText(const ReportFacts& f) {
  const RunState& s = f.state;
  const Plan plan = MakePlan(f);
  std::string out = "Oltrevan report (nothing was changed)\n";
  out +=
      "Command-line tail: " + Quoted(f.commandTail) + " -> " +
      (f.silentSwitch ? "silent (switch " + Quoted(f.silentSwitch) + " found)" : std::string("not silent")) +
      "\n";
  out += "Answer file: " + (f.answerFilePresent ? Utf8(f.directory) + "\\setup.iss" : std::string("none")) +
         "\n";
  out += "  PRODUCTID " + Quoted(f.productIdValue) + ", PRODUCTPATCH " + Quoted(f.productPatchValue) +
         " -> package code " + (s.productId.empty() ? std::string("none") : Utf8(s.productId)) + "\n";
  out += "Registry (HKEY_LOCAL_MACHINE, the program's view):\n";
  out += "  product key: " +
         (f.productKeyPresent
              ? "PRODUCTID " + Quoted(f.installedProductIdValue) + ", CloudEnable " + Number(f.cloud)
              : std::string("absent")) +
         "\n";
  for (const UninstallKeyFact& key : f.uninstallKeys) {
    out += "  uninstall key " +
           (key.kind ? "of kind " + Number(key.kind) : std::string("of the installed code")) +
           " (InstallShield_" + Utf8(key.code) + "): " +
           (!key.opensForReading ? std::string("absent")
                                 : (key.opensWithFullAccess ? "" : "read-only, ") +
                                       std::string("UninstallString: ") + Utf8(key.uninstallString)) +
           "\n";
  }
  out += "  platform keys:";
  for (const auto& platform : f.platforms) out += " " + Utf8(platform.first) + (platform.second ? "+" : "-");
  out += "\n  uninstall-key kind " + Number(s.uninstallKeyKind) + ", platform kind " +
         Number(s.platformKind) + "\n";
  out += "Installed code: " + (s.installedCode.empty() ? std::string("none") : Utf8(s.installedCode)) + " (" +
         InstalledFrom(f) + ")\n";
  out += "Road: " + std::string(RoadName(f.road)) + ", because " + plan.why + "\n";
  if (!plan.prompt.empty()) out += "  dialog: " + plan.prompt + "\n";
  if (plan.legacyCopy) out += "  copy HKCU\\" + Utf8(legacyUserKeyPath) + " into the product key, when it exists\n";
  for (const std::string& backup : plan.backups) out += "  export " + backup + "\n";
  if (plan.uninstall) {
    out += "  uninstall: " +
           (plan.uninstallCommand.empty() ? std::string("no command") : Utf8(plan.uninstallCommand)) + "\n";
    out += f.swapWouldBeMade
               ? "  answer file adapted: " + Number(f.codeOccurrences) + " x package code -> " +
                     Utf8(f.substituteCode) + "\n"
               : std::string("  answer file not adapted (not silent, or the swap cannot be made)\n");
  }
  if (!plan.backups.empty()) out += "  restore both exports after a successful uninstall, else delete them\n";
  for (const std::string& marker : plan.markers) out += "  marker " + marker + "\n";
  out += "  setup: " + (plan.setupCommand.empty() ? std::string("not started") : Utf8(plan.setupCommand)) +
         (plan.setupCondition.empty() ? "" : ", " + plan.setupCondition) + "\n";
  const std::vector<std::string> warnings = ReportWarnings(f);
  for (const std::string& warning : warnings) out += "Warning: " + warning + "\n";
  return out;
}

std::string FormatReportJson(const ReportFacts& f) {
  const RunState& s = f.state;
  const Plan plan = MakePlan(f);
  auto str = [](std::u16string_view t) { return JsonString(t); };
  auto boolean = [](bool b) { return std::string(b ? "true" : "false"); };
  auto list = [](const std::vector<std::string>& items) {
    std::string out = "[";
    for (size_t i = 0; i < items.size(); ++i) out += (i ? ", " : "") + items[i];
    return out + "]";
  };
  auto strings = [&](const std::vector<std::string>& items) {
    std::vector<std::string> quoted;
    for (const std::string& item : items) quoted.push_back(JsonString(std::string_view(item)));
    return list(quoted);
  };
  std::vector<std::string> keys, platforms, warnings;
  for (const UninstallKeyFact& k : f.uninstallKeys) {
    keys.push_back("{\"kind\": " + Number(k.kind) + ", \"code\": " + str(k.code) + ", \"present\": " +
                   boolean(k.opensForReading) + ", \"fullAccess\": " + boolean(k.opensWithFullAccess) +
                   ", \"uninstallString\": " + str(k.uninstallString) + "}");
  }
  for (const auto& p : f.platforms)
    platforms.push_back("{\"platform\": " + str(p.first) + ", \"present\": " + boolean(p.second) + "}");
  for (const std::string& w : ReportWarnings(f)) warnings.push_back(JsonString(std::string_view(w)));
  std::string out = "{\n";
  out += "  \"commandTail\": " + str(f.commandTail) + ",\n";
  out += "  \"silent\": " + boolean(f.silentSwitch != nullptr) + ",\n";
  out += "  \"silentSwitch\": " + (f.silentSwitch ? str(f.silentSwitch) : std::string("null")) + ",\n";
  out += "  \"answerFile\": {\"present\": " + boolean(f.answerFilePresent) +
         ", \"productId\": " + str(f.productIdValue) + ", \"productPatch\": " + str(f.productPatchValue) +
         ", \"utf16\": " + boolean(f.answerFileUtf16) + ", \"zeroByte\": " + boolean(f.answerFileZeroByte) +
         ", \"codeOccurrences\": " + Number(f.codeOccurrences) + "},\n";
  out += "  \"packageCode\": " + str(s.productId) + ",\n";
  out += "  \"productKey\": {\"present\": " + boolean(f.productKeyPresent) +
         ", \"productId\": " + str(f.installedProductIdValue) + ", \"cloudEnable\": " + Number(f.cloud) +
         "},\n";
  out += "  \"uninstallKeys\": " + list(keys) + ",\n";
  out += "  \"platforms\": " + list(platforms) + ",\n";
  out += "  \"uninstallKeyKind\": " + Number(s.uninstallKeyKind) + ",\n";
  out += "  \"platformKind\": " + Number(s.platformKind) + ",\n";
  out += "  \"installedCode\": " + str(s.installedCode) + ",\n";
  out += "  \"road\": \"" + std::string(RoadName(f.road)) + "\",\n";
  out += "  \"why\": " + JsonString(std::string_view(plan.why)) + ",\n";
  out += "  \"plan\": {\"dialog\": " + JsonString(std::string_view(plan.prompt)) +
         ", \"legacyCopy\": " + boolean(plan.legacyCopy) + ", \"backups\": " + strings(plan.backups) +
         ", \"uninstall\": " + boolean(plan.uninstall) +
         ", \"uninstallCommand\": " + str(plan.uninstallCommand) +
         ", \"answerFileAdapted\": " + boolean(f.swapWouldBeMade) +
         ", \"substituteCode\": " + str(f.substituteCode) + ", \"markers\": " + strings(plan.markers) +
         ", \"setupCommand\": " + str(plan.setupCommand) + "},\n";
  out += "  \"warnings\": " + list(warnings) + "\n}\n";
  return out;
}
