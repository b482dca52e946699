// Searching and counting characters and substrings in cell texts.
#include "components/grid/formats/TextSearch.h"
#include "platform/core/strings.h"

namespace {

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

int Length(const AnsiString& S) { return static_cast<int>(S.size()); }

// 1-based position of the first character of S that satisfies `hit`, 0 when none does.
template <typename Hit>
int FindChar(const AnsiString& S, Hit hit) {
  for (int i = 0; i < Length(S); ++i)
    if (hit(S[static_cast<std::size_t>(i)])) return i + 1;
  return 0;
}

int Store(int found, int& P) {
  if (found > 0) P = found;
  return found;
}

}  // namespace

int CharPos(char Ch, const AnsiString& S) {
  return FindChar(S, [Ch](char c) { return c == Ch; });
}

int VarCharPos(char Ch, const AnsiString& S, int& P) { return Store(CharPos(Ch, S), P); }

int VarCharPosNC(char Ch, const AnsiString& S, int& P) {
  return Store(FindChar(S, [Ch](char c) { return UpperAscii(c) == Ch; }), P);
}

int VarPos(const AnsiString& Sub, const AnsiString& S, int& P) {
  P = Pos(Sub, S);
  return P;
}

int FIPos(const AnsiString& Sub, const AnsiString& S) { return Pos(Sub, AnsiUpperCase(S)); }

char FirstChar(std::string_view Set, const AnsiString& S) {
  int p = FindChar(S, [Set](char c) { return Set.find(c) != std::string_view::npos; });
  return p > 0 ? S[static_cast<std::size_t>(p - 1)] : '\0';
}

int NumChar(char Ch, const AnsiString& S) {
  int n = 0;
  for (char c : S) n += (c == Ch);
  return n;
}

int SinglePos(char Ch, const AnsiString& S, int& P) {
  const int n = Length(S);
  auto at = [&S](int pos) { return S[static_cast<std::size_t>(pos - 1)]; };
  P = 0;
  for (int i = 1; i <= n && P == 0; ++i) {
    if (at(i) != Ch) continue;
    bool last = i == n;
    bool doubled = (i < n && at(i + 1) == Ch) || (i > 1 && at(i - 1) == Ch);
    if (last || !doubled) P = i;
  }
  return P;
}

int NumSingleChar(char Ch, const AnsiString& S) {
  AnsiString rest = S;
  int count = 0;
  for (int p = 0; SinglePos(Ch, rest, p) > 0; ++count) rest.erase(0, static_cast<std::size_t>(p));
  return count;
}

AnsiString GetToken(AnsiString& S, const AnsiString& Sep) {
  int p = Pos(Sep, S);
  if (p == 0) return {};
  AnsiString token = S.substr(0, static_cast<std::size_t>(p - 1));
  S.erase(0, static_cast<std::size_t>(p - 1) + Sep.size());
  return token;
}

AnsiString GetNextLine(AnsiString& S, bool Multi) {
  std::size_t cr = S.find('\r');
  if (cr == std::string::npos) {
    AnsiString all;
    all.swap(S);
    return all;
  }
  AnsiString line = S.substr(0, cr);
  std::size_t next = cr + 1;
  if (next < S.size() && S[next] == '\n') ++next;
  if (Multi)
    S.erase(0, next);
  else
    S.clear();
  return line;
}

int LinesInText(const AnsiString& S, bool Multi) { return Multi ? 1 + NumChar('\r', S) : 1; }

AnsiString StringListToText(const TStrings& List) {
  AnsiString text;
  for (int i = 0; i < List.Count(); ++i) text += List.Strings(i);
  return text;
}
