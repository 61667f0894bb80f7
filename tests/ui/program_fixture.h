#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "platform/headless/driver.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/program.h"

namespace uitest {

// The whole program on the headless window system, with the random generator's seed pinned,
// and the start window shown as the loop's start shows it.
class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        program = std::make_unique<ui::Program>(driver.App(), [this] { return seed; });
        driver.App().Run();
    }

    ui::TForm1& Form1() const { return program->Form1(); }
    ui::TForm2& Form2() const { return program->Form2(); }

    std::uint32_t seed = 1;
    platform::headless::Driver driver;
    std::unique_ptr<ui::Program> program;
};

}  // namespace uitest
