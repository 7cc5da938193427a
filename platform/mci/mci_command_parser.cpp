// The command-string grammar of the interpreter: a word list with quoted
// names, then one small rule per verb.
#include "platform/mci/mci_command_parser.h"

#include <charconv>
#include <vector>

namespace blazemere::platform::mci {

namespace {

struct Word {
  std::string text;
  bool quoted = false;
};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Appends the quoted section that opens at `i` and moves `i` past it. Two
// quotes in a row inside it stand for one quote in the text: a name that holds
// a quote (legal outside Windows) can be written that way, and a command that
// Windows takes never has them, since there the second quote would be an error.
MciError TakeQuoted(std::string_view text, std::size_t& i, std::string& into) {
  std::size_t from = i + 1;
  for (;;) {
    const std::size_t close = text.find('"', from);
    if (close == std::string_view::npos) return MciError::kNoClosingQuote;
    into.append(text.substr(from, close - from));
    if (close + 1 >= text.size() || text[close + 1] != '"') {
      i = close + 1;
      return MciError::kNone;
    }
    into.push_back('"');
    from = close + 2;
  }
}

// Splits at blanks; a double quote opens a section that runs to the next
// single one.
MciError SplitWords(std::string_view text, std::vector<Word>& words) {
  std::size_t i = 0;
  while (i < text.size()) {
    if (IsBlank(text[i])) {
      ++i;
      continue;
    }
    Word word;
    while (i < text.size() && !IsBlank(text[i])) {
      if (text[i] == '"') {
        if (MciError error = TakeQuoted(text, i, word.text); error != MciError::kNone) return error;
        word.quoted = true;
      } else {
        word.text.push_back(text[i++]);
      }
    }
    words.push_back(std::move(word));
  }
  return MciError::kNone;
}

bool IsKeyword(const Word& word, std::string_view keyword) {
  return !word.quoted && LowerAscii(word.text) == keyword;
}

// Reads the words after the device one by one.
class WordCursor {
 public:
  explicit WordCursor(const std::vector<Word>& words) : words_(words) {}
  bool AtEnd() const { return next_ >= words_.size(); }
  const Word& Peek() const { return words_[next_]; }
  const Word& Take() { return words_[next_++]; }
  std::string Previous() const { return LowerAscii(words_[next_ - 1].text); }
  bool TakeKeyword(std::string_view keyword) {
    if (AtEnd() || !IsKeyword(Peek(), keyword)) return false;
    ++next_;
    return true;
  }

 private:
  const std::vector<Word>& words_;
  std::size_t next_ = 2;
};

MciError TakeValue(WordCursor& cursor, std::string& value) {
  if (cursor.AtEnd()) return MciError::kMissingParameter;
  value = cursor.Take().text;
  return MciError::kNone;
}

MciError ParseOpen(WordCursor& cursor, MciCommand& command) {
  while (!cursor.AtEnd()) {
    MciError error = MciError::kNone;
    if (cursor.TakeKeyword("type")) {
      error = TakeValue(cursor, command.type);
    } else if (cursor.TakeKeyword("alias")) {
      error = TakeValue(cursor, command.alias);
    } else if (!cursor.TakeKeyword("shareable")) {
      return MciError::kUnrecognizedKeyword;
    }
    if (error != MciError::kNone) return error;
  }
  return MciError::kNone;
}

MciError ParsePlay(WordCursor& cursor, MciCommand& command) {
  while (!cursor.AtEnd()) {
    std::string value;
    const bool isFrom = cursor.TakeKeyword("from");
    if (!isFrom && !cursor.TakeKeyword("to")) return MciError::kUnrecognizedKeyword;
    if (MciError error = TakeValue(cursor, value); error != MciError::kNone) return error;
    (isFrom ? command.from : command.to) = value;
  }
  return MciError::kNone;
}

MciError ParseTrackNumber(WordCursor& cursor, MciCommand& command) {
  if (!cursor.TakeKeyword("track")) return MciError::kNone;
  if (cursor.AtEnd()) return MciError::kMissingParameter;
  const std::string& text = cursor.Take().text;
  int track = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), track);
  if (ec != std::errc() || end != text.data() + text.size() || track < 0) return MciError::kBadInteger;
  command.track = track;
  return MciError::kNone;
}

MciError ParseStatus(WordCursor& cursor, MciCommand& command) {
  if (cursor.TakeKeyword("mode")) {
    command.item = StatusItem::kMode;
  } else if (cursor.TakeKeyword("ready")) {
    command.item = StatusItem::kReady;
  } else if (cursor.TakeKeyword("current")) {
    if (!cursor.TakeKeyword("track")) return MciError::kUnrecognizedKeyword;
    command.item = StatusItem::kCurrentTrack;
  } else if (cursor.TakeKeyword("number")) {
    if (!cursor.TakeKeyword("of") || !cursor.TakeKeyword("tracks")) return MciError::kUnrecognizedKeyword;
    command.item = StatusItem::kNumberOfTracks;
  } else if (cursor.TakeKeyword("time")) {
    if (!cursor.TakeKeyword("format")) return MciError::kUnrecognizedKeyword;
    command.item = StatusItem::kTimeFormat;
  } else if (cursor.TakeKeyword("media")) {
    if (!cursor.TakeKeyword("present")) return MciError::kUnrecognizedKeyword;
    command.item = StatusItem::kMediaPresent;
  } else if (cursor.TakeKeyword("position") || cursor.TakeKeyword("length")) {
    command.item = cursor.Previous() == "position" ? StatusItem::kPosition : StatusItem::kLength;
    if (MciError error = ParseTrackNumber(cursor, command); error != MciError::kNone) return error;
  } else {
    return cursor.AtEnd() ? MciError::kMissingParameter : MciError::kUnrecognizedKeyword;
  }
  return MciError::kNone;
}

MciError ParseSet(WordCursor& cursor, MciCommand& command) {
  if (!cursor.TakeKeyword("time") || !cursor.TakeKeyword("format")) {
    return cursor.AtEnd() ? MciError::kMissingParameter : MciError::kUnrecognizedKeyword;
  }
  if (cursor.AtEnd()) return MciError::kMissingParameter;
  const std::string format = LowerAscii(cursor.Take().text);
  if (format == "tmsf") {
    command.timeFormat = TimeFormat::kTmsf;
  } else if (format == "msf") {
    command.timeFormat = TimeFormat::kMsf;
  } else if (format == "milliseconds" || format == "ms") {
    command.timeFormat = TimeFormat::kMilliseconds;
  } else {
    return MciError::kBadTimeFormat;
  }
  return MciError::kNone;
}

bool ParseVerb(std::string_view word, MciVerb& verb) {
  static constexpr std::pair<std::string_view, MciVerb> kVerbs[] = {
      {"open", MciVerb::kOpen},   {"play", MciVerb::kPlay},     {"stop", MciVerb::kStop},
      {"close", MciVerb::kClose}, {"status", MciVerb::kStatus}, {"set", MciVerb::kSet},
  };
  for (const auto& [name, value] : kVerbs) {
    if (word == name) {
      verb = value;
      return true;
    }
  }
  return false;
}

// "wait" and "notify" only change how a Windows caller is told of the end;
// here every command completes before it returns.
void DropCompletionFlags(std::vector<Word>& words) {
  std::erase_if(words, [](const Word& word) { return IsKeyword(word, "wait") || IsKeyword(word, "notify"); });
}

}  // namespace

std::string_view TimeFormatName(TimeFormat format) {
  switch (format) {
    case TimeFormat::kMsf: return "msf";
    case TimeFormat::kTmsf: return "tmsf";
    case TimeFormat::kMilliseconds: break;
  }
  return "milliseconds";
}

ParsedCommand ParseMciCommand(std::string_view text) {
  ParsedCommand parsed;
  if (text.size() > kMaxCommandLength) {
    parsed.error = MciError::kCommandTooLong;
    return parsed;
  }
  std::vector<Word> words;
  parsed.error = SplitWords(text, words);
  if (parsed.error != MciError::kNone) return parsed;
  if (words.empty()) {
    parsed.error = MciError::kMissingCommandString;
    return parsed;
  }
  MciCommand& command = parsed.command;
  if (words[0].quoted || !ParseVerb(LowerAscii(words[0].text), command.verb)) {
    parsed.error = MciError::kUnrecognizedCommand;
    return parsed;
  }
  DropCompletionFlags(words);
  if (words.size() < 2 || words[1].text.empty()) {
    parsed.error = MciError::kMissingDeviceName;
    return parsed;
  }
  command.device = words[1].text;
  WordCursor cursor(words);
  switch (command.verb) {
    case MciVerb::kOpen: parsed.error = ParseOpen(cursor, command); break;
    case MciVerb::kPlay: parsed.error = ParsePlay(cursor, command); break;
    case MciVerb::kStatus: parsed.error = ParseStatus(cursor, command); break;
    case MciVerb::kSet: parsed.error = ParseSet(cursor, command); break;
    case MciVerb::kStop:
    case MciVerb::kClose: break;
  }
  if (parsed.error == MciError::kNone && !cursor.AtEnd()) parsed.error = MciError::kUnrecognizedKeyword;
  return parsed;
}

}  // namespace blazemere::platform::mci
