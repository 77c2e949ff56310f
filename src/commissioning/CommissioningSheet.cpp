#include "commissioning/CommissioningSheet.h"

#include <cstdio>

#include "commissioning/CommissioningTexts.h"

using namespace panel;

namespace commissioning {
namespace {

struct OutcomeLook {
  const char* cssClass;
  const char* mark;
  const char* words;
};

OutcomeLook LookOf(Outcome outcome) {
  switch (outcome) {
    case Outcome::Worked: return {"worked", text::kMarkWorked, text::kWorked};
    case Outcome::DidNotWork: return {"failed", text::kMarkDidNotWork, text::kDidNotWork};
    case Outcome::Skipped: return {"skipped", text::kMarkSkipped, text::kSkipped};
    case Outcome::NotTried: break;
  }
  return {"untried", text::kMarkNotTried, text::kNotTried};
}

std::string Format(const char* format, int a, int b = 0, int c = 0, int d = 0) {
  char buffer[160];
  std::snprintf(buffer, sizeof buffer, format, a, b, c, d);
  return buffer;
}

// Colours print as well (print-color-adjust); the marks and border styles
// carry the same meaning without them.
constexpr char kStyle[] =
    "body{font-family:sans-serif;margin:16px;color:#000}\r\n"
    "h1{font-size:20px;margin:0 0 8px}\r\n"
    "*{-webkit-print-color-adjust:exact;print-color-adjust:exact}\r\n"
    ".facts th{text-align:left;padding:1px 16px 1px 0;font-weight:normal;color:#444}\r\n"
    ".panel{position:relative;margin:12px 0;border:1px solid #888}\r\n"
    ".panel img{position:absolute;left:0;top:0}\r\n"
    ".mark{position:absolute;box-sizing:border-box;border:3px solid}\r\n"
    ".mark span{position:absolute;left:0;top:0;padding:0 3px;font-size:12px;line-height:15px;"
    "font-weight:bold;color:#fff}\r\n"
    ".mark.worked{border-color:#178a17}.mark.failed{border-color:#d01010}\r\n"
    ".mark.skipped{border-color:#c07000;border-style:dashed}.mark.untried{border-color:#666;border-style:dotted}\r\n"
    ".worked span,.key.worked{background:#178a17}.failed span,.key.failed{background:#d01010}\r\n"
    ".skipped span,.key.skipped{background:#c07000}.untried span,.key.untried{background:#666}\r\n"
    "td.worked{color:#178a17}td.failed{color:#d01010;font-weight:bold}td.skipped{color:#a06000}\r\n"
    ".key{color:#fff;padding:1px 6px;margin-right:8px;font-weight:bold}\r\n"
    "table.list{border-collapse:collapse;margin-top:12px}\r\n"
    "table.list th,table.list td{border:1px solid #888;padding:3px 6px;text-align:left;vertical-align:top}\r\n"
    "table.list th,td.num,td.worked,td.failed,td.skipped,td.untried{white-space:nowrap}\r\n"
    "table.list td.num{text-align:right}\r\n"
    "@media print{body{margin:0}.panel,tr{break-inside:avoid}}\r\n";

void AppendFacts(std::string& html, const Record& record, const SheetFacts& facts) {
  const DateTime& w = facts.when;
  html += "<table class=\"facts\">\r\n";
  html += std::string("<tr><th>") + text::kPanel + "</th><td>" + HtmlEscape(facts.panelName) + "</td></tr>\r\n";
  html += std::string("<tr><th>") + text::kDate + "</th><td>" + Format("%04d/%02d/%02d ", w.year, w.month, w.day) +
          Format("%02d:%02d:%02d", w.hour, w.minute, w.second) + "</td></tr>\r\n";
  html += std::string("<tr><th>") + text::kRelayPort + "</th><td>COM" + std::to_string(facts.relayPort) +
          "</td></tr>\r\n";
  html += std::string("<tr><th>") + text::kSummary + "</th><td class=\"summary\">" + SummaryLine(record) +
          "</td></tr>\r\n</table>\r\n";
}

void AppendPicture(std::string& html, const CPanelTable& table, const Record& record, const SheetFacts& facts) {
  html += Format("<div class=\"panel\" style=\"width:%dpx;height:%dpx\">", facts.pictureWidth, facts.pictureHeight);
  if (!facts.pictureBmp.empty()) {
    html += Format("<img width=\"%d\" height=\"%d\" ", facts.pictureWidth, facts.pictureHeight) + "alt=\"" +
            text::kPictureAlt + "\" src=\"data:image/bmp;base64," + Base64(facts.pictureBmp) + "\">";
  }
  html += "\r\n";
  for (size_t i = 0; i < record.Steps().size(); ++i) {
    const Step& step = record.Steps()[i];
    const OutcomeLook look = LookOf(record.At(i).outcome);
    html += std::string("<div class=\"mark ") + look.cssClass + "\" style=\"" +
            Format("left:%dpx;top:%dpx;", step.column * table.CellWidth(), step.row * table.CellHeight()) +
            Format("width:%dpx;height:%dpx\">", table.CellWidth(), table.CellHeight()) + "<span>" + look.mark +
            std::to_string(step.ordinal + 1) + "</span></div>\r\n";
  }
  html += "</div>\r\n<p>";
  for (Outcome o : {Outcome::Worked, Outcome::DidNotWork, Outcome::Skipped, Outcome::NotTried}) {
    const OutcomeLook look = LookOf(o);
    html += std::string("<span class=\"key ") + look.cssClass + "\">" + look.mark + " " + look.words + "</span>";
  }
  html += "</p>\r\n";
}

void AppendList(std::string& html, const Record& record) {
  if (record.Steps().empty()) {
    html += std::string("<p>") + text::kNoButtons + "</p>\r\n";
    return;
  }
  html += std::string("<table class=\"list\">\r\n<thead><tr><th>") + text::kNumber + "</th><th>" + text::kRow +
          "</th><th>" + text::kColumn + "</th><th>" + text::kCommand + "</th><th>" + text::kOutcome + "</th><th>" +
          text::kFinding + "</th><th>" + text::kNote + "</th></tr></thead>\r\n<tbody>\r\n";
  for (size_t i = 0; i < record.Steps().size(); ++i) {
    const Step& step = record.Steps()[i];
    const StepRecord& answer = record.At(i);
    const OutcomeLook look = LookOf(answer.outcome);
    // Counted from 1 for people, as the edit window and the check before publishing name buttons.
    html += Format("<tr><td class=\"num\">%d</td><td class=\"num\">%d</td><td class=\"num\">%d</td>", step.ordinal + 1,
                   step.row + 1, step.column + 1);
    html += "<td>" + HtmlEscape(step.words) + "</td><td class=\"" + look.cssClass + "\">" + look.mark + " " +
            look.words + "</td><td>" +
            HtmlEscape(answer.finding) + "</td><td>" + HtmlEscape(answer.note) + "</td></tr>\r\n";
  }
  html += "</tbody>\r\n</table>\r\n";
}

}  // namespace

std::string SummaryLine(const Record& record) {
  const OutcomeCounts c = record.Counts();
  std::string line = std::string(text::kWorked) + " " + std::to_string(c.worked) + " / " + text::kDidNotWork + " " +
                     std::to_string(c.didNotWork) + " / " + text::kSkipped + " " + std::to_string(c.skipped) +
                     " / " + text::kNotTried + " " + std::to_string(c.notTried) + " (" + text::kButtons +
                     std::to_string(record.Steps().size()) + text::kPieces + ")";
  return record.Stopped() ? line + text::kStopped : line;
}

std::string SheetHtml(const CPanelTable& table, const Record& record, const SheetFacts& facts) {
  std::string html = "<!DOCTYPE html>\r\n<html lang=\"ja\">\r\n<head>\r\n<meta charset=\"Shift_JIS\">\r\n<title>";
  html += std::string(text::kSheetTitle) + " " + HtmlEscape(facts.panelName) + "</title>\r\n<style>\r\n" + kStyle +
          "</style>\r\n</head>\r\n<body>\r\n<h1>" + text::kSheetTitle + "</h1>\r\n";
  AppendFacts(html, record, facts);
  AppendPicture(html, table, record, facts);
  AppendList(html, record);
  html += "</body>\r\n</html>\r\n";
  return html;
}

std::string SheetFileName(std::string_view tableFileName, const DateTime& when, int attempt) {
  std::string stem(tableFileName);
  // The system keeps the extension's letter case as typed: ".TBL" is a table too.
  if (stem.size() >= 4) {
    std::string extension = stem.substr(stem.size() - 4);
    for (char& c : extension) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    if (extension == ".tbl") stem.resize(stem.size() - 4);
  }
  std::string name = stem + text::kSheetFileTag + Format("%04d%02d%02d_", when.year, when.month, when.day) +
                     Format("%02d%02d%02d", when.hour, when.minute, when.second);
  if (attempt > 1) name += "_" + std::to_string(attempt);
  return name + ".html";
}

std::string Base64(std::span<const std::uint8_t> bytes) {
  static constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  size_t i = 0;
  for (; i + 2 < bytes.size(); i += 3) {
    const unsigned v = (bytes[i] << 16) | (bytes[i + 1] << 8) | bytes[i + 2];
    out += {kDigits[v >> 18], kDigits[(v >> 12) & 63], kDigits[(v >> 6) & 63], kDigits[v & 63]};
  }
  if (i + 1 == bytes.size()) {
    const unsigned v = bytes[i] << 16;
    out += {kDigits[v >> 18], kDigits[(v >> 12) & 63], '=', '='};
  } else if (i + 2 == bytes.size()) {
    const unsigned v = (bytes[i] << 16) | (bytes[i + 1] << 8);
    out += {kDigits[v >> 18], kDigits[(v >> 12) & 63], kDigits[(v >> 6) & 63], '='};
  }
  return out;
}

std::string HtmlEscape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

}  // namespace commissioning
