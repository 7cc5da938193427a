// Mode letter and preview handle as the start-up reads them from the command line.
#include <gtest/gtest.h>

#include "host/command_line.h"

namespace blazemere::host {
namespace {

TEST(CommandLine, ModeLetter) {
  struct Row {
    const char* line;
    const char* letter;
  };
  const Row rows[] = {
      {"/s", "S"},      {"/S", "S"},     {"-s", "S"},       {"xs", "S"},           {"/settings", "S"},
      {"/c:1234", "C"}, {"/p 99", "P"},  {"s", ""},         {"", ""},              {"/a", "A"},
      {"é/s", "/"},     {"/é", "é"},     {"/\xC3", "\xC3"},
  };
  for (const Row& row : rows) EXPECT_EQ(ModeLetterOf(row.line), row.letter) << "command line '" << row.line << "'";
}

TEST(CommandLine, PreviewHandle) {
  struct Row {
    const char* line;
    std::uint32_t handle;
  };
  const Row rows[] = {
      {"/p 1234", 1234},       {"/p:1234", 1234},     {"/P   77", 77},          {"/p 12 34", 1234},
      {"/p 42abc", 42},        {"/p", 0},             {"/p ", 0},               {"/p abc", 0},
      {"/p 2.5", 2},           {"/p 3.5", 4},         {"/p 4294967295", 4294967295u},
      {"/p 4294967296", 0},    {"/p -5", 0},          {"/p 0", 0},              {"/p +9", 9},
  };
  for (const Row& row : rows) EXPECT_EQ(PreviewHandleOf(row.line), row.handle) << "command line '" << row.line << "'";
}

}  // namespace
}  // namespace blazemere::host
