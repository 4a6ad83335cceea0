// Test fixtures: a fresh copy of the program for every test, or one shared
// copy for a suite that only looks.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "e2e/Session.h"

namespace e2e {

class ProgramTest : public testing::Test {
protected:
    void SetUp() override {
        session_ = std::make_unique<Session>();
        ASSERT_TRUE(session_->ok()) << session_->error();
    }
    void TearDown() override { session_.reset(); }

    Session& session() { return *session_; }
    HWND control(quellar::ControlId id) { return session_->control(id); }

private:
    std::unique_ptr<Session> session_;
};

// The table name of the control with this window, or a description of it.
std::string NameOfWindow(HWND hwnd, HWND mainWindow);

// Every control is visible exactly when it lies on the given page (waits a
// little for the program to finish switching).
testing::AssertionResult ShownControlsMatchPage(const Session& session, int page);

}  // namespace e2e
