// SPDX-License-Identifier: GPL-3.0-or-later
// Base of the extraction tests: a temporary folder, a Tank file in it, and a scripted host that
// answers the library's Yes/No warnings.
#pragma once

#include "tests/kegtap/support/kegtap_library.h"
#include "tests/kegtap/support/tank_files.h"

#include <gtest/gtest.h>

struct Prompt {
    std::string text;
    std::string caption;
};

class ExtractionTest : public ::testing::Test {
protected:
    ExtractionTest();
    ~ExtractionTest() override;

    // Writes the Tank bytes to a file and extracts it into the (existing) output folder.
    bool extract(const std::vector<uint8_t> &tank);
    bool extractFile(const fs::path &tankPath);

    // Answers every warning with answer and records it.
    void answerWarnings(bool answer);

    static int recordPrompt(const char *text, const char *caption, void *context);

    const KegtapLibrary &k;
    TempFolder temp;
    fs::path tankPath;
    fs::path out;
    std::vector<Prompt> prompts;
    bool answer = false;
};

// The code and the message of the last failure.
void expectError(uint32_t code, const std::string &message);
