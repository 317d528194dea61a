// One line of a driver's script on a lesson page in test mode, read as every driver reads it.
// The clock, the teacher's controls and dumps are carried out here by the driver's own runner;
// the pupil's input and pictures go back to the caller (the browser driver), which gives them
// to the page as real input, as a pupil would.
#pragma once

#include <string>
#include <string_view>

namespace kit::script {
struct Names;
}

namespace kitweb {

class Lesson;

// The answer as JSON, every text from the line with each byte as one character (\u00XX above
// ASCII), so that the caller has the line's very bytes:
//   {"error":"…"}                                  the script stops here, with this message
//   {"command":null}                               a blank line or a comment
//   {"command":"down"|"move","button","shift","x","y"}, {"command":"click","name"},
//   {"command":"type","name","text"}, {"command":"key","name","code"}, {"command":"png","file"}
//                                                  for the caller to give
//   {"command":"run"|"tick"|…,"ran":true}          carried out; the page redraws
//   {"command":"dump","out":"…"}                   the dump's line (UTF-8, no line break)
// A lesson on the page's clock has no driver: {"error":"not a test page"}.
std::string hookLine(Lesson& lesson, std::string_view line);

// The same line read against the names of a page that is no lesson (the browser driver's
// stand-in), and nothing carried out: every command as its fields, {"command":"run","ms":…},
// {"command":"tick","name","count"}, {"command":"speed","factor"}, {"command":"dump","names"}…
std::string readLine(const kit::script::Names& names, std::string_view line);

}  // namespace kitweb
