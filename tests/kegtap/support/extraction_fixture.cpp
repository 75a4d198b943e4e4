// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/kegtap/support/extraction_fixture.h"

ExtractionTest::ExtractionTest()
    : k(kegtapLibrary()), tankPath(temp / "party.dsparty"), out(temp / "out") {
    fs::create_directory(out);
    k.SetKvPromptHandler(nullptr, nullptr);
}

ExtractionTest::~ExtractionTest() {
    k.SetKvPromptHandler(nullptr, nullptr);
}

int ExtractionTest::recordPrompt(const char *text, const char *caption, void *context) {
    auto *test = static_cast<ExtractionTest *>(context);
    test->prompts.push_back({text, caption});
    return test->answer ? 1 : 0;
}

bool ExtractionTest::extract(const std::vector<uint8_t> &tank) {
    writeBytes(tankPath, tank);
    return extractFile(tankPath);
}

bool ExtractionTest::extractFile(const fs::path &path) {
    return k.ExtractFilesFromTankFile(path.c_str(), out.c_str());
}

void ExtractionTest::answerWarnings(bool yes) {
    answer = yes;
    k.SetKvPromptHandler(recordPrompt, this);
}

void expectError(uint32_t code, const std::string &message) {
    EXPECT_EQ(kegtapLibrary().GetKvErrorCode(), code) << kegtapLibrary().errorMessage();
    EXPECT_EQ(kegtapLibrary().errorMessage(), message);
}
