// Language files compiled from definitions, for the tests of the reader and the translation.
#pragma once

#include "../platform/TestFolder.h"
#include "LanguageCompiler.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace sudoku::test {

using Bytes = std::vector<std::uint8_t>;

// The file's bytes; a refusal fails the test with its first error.
inline Bytes CompileLanguages(const std::vector<LanguageDefinition>& languages) {
    Bytes bytes;
    std::vector<std::string> errors;
    EXPECT_TRUE(LanguageCompiler::Compile(languages, bytes, errors))
        << (errors.empty() ? "" : errors.front());
    return bytes;
}

} // namespace sudoku::test
