#include <gtest/gtest.h>

#include "ui/Unit10.h"
#include "ui/Unit3.h"
#include "ui/program_fixture.h"

namespace {

using uitest::ProgramTest;

TEST_F(ProgramTest, TheTenWindowsExistInTheirOrderAndOnlyTheStartWindowIsShown) {
    const auto& forms = driver.App().Forms();
    ASSERT_EQ(forms.size(), 10u);
    EXPECT_EQ(forms[0], &Form1());
    EXPECT_EQ(forms[1], &Form2());
    EXPECT_EQ(forms[2], &program->Form3());
    EXPECT_EQ(forms[9], &program->Form10());
    EXPECT_EQ(driver.App().MainForm(), &Form1());
    EXPECT_EQ(driver.App().Title(), "Burdomir");
    for (size_t i = 1; i < forms.size(); ++i) EXPECT_FALSE(forms[i]->Visible()) << "window " << i + 1;
    EXPECT_TRUE(Form1().Visible());
}

TEST_F(ProgramTest, TheGameIsSetUpBeforeTheStartWindowAsks) {
    EXPECT_EQ(Form2().Game().State, game::GameState{});
    EXPECT_EQ(Form2().Label40->Caption(), "Деньги: 1000");
    EXPECT_FALSE(Form2().Timer1.Enabled());
    EXPECT_FALSE(Form1().spSkinData1.IsEmpty()) << "the skin every window draws from is loaded";
}

}  // namespace
