// Shared set-up of the window tests: a clean working folder, the seams
// reset, and helpers to read and write small files.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>

#include "form1.h"
#include "platform.h"
#include "seams.h"
#include "shell_state.h"
#include "text_files.h"

namespace tavolux::shell {

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Seams::Reset();
        Globals() = ShellGlobals();
        QString config = GetConfigFilePath();
        if (!config.isEmpty()) QFile::remove(config);
        ASSERT_TRUE(folder_.isValid());
    }
    void TearDown() override {
        form_.reset();
        EXPECT_EQ(Seams::unansweredFileDialogs, 0) << "a file dialog nobody answered";
        EXPECT_EQ(Seams::unansweredQuestions, 0) << "a question nobody answered";
        EXPECT_EQ(Seams::unhandledWindows, 0) << "a modal window nobody handled";
        Seams::Reset();
    }

    // A started main window, as the program starts it.
    Form1& Start(const QStringList& arguments = {}) {
        form_.reset();
        Globals() = ShellGlobals();
        form_ = std::make_unique<Form1>();
        form_->Form1_Form_Load(arguments);
        return *form_;
    }
    // Closes the window as its close box does; true when it closed.
    bool Close() { return form_->close(); }

    QString Path(const QString& name) const { return folder_.filePath(name); }
    static QByteArray Read(const QString& path) {
        QByteArray bytes;
        ReadWholeFile(path, &bytes, nullptr);
        return bytes;
    }
    static void Write(const QString& path, const QByteArray& bytes) {
        ASSERT_TRUE(WriteFileAtomically(path, bytes, nullptr));
    }
    // The user types: the pane changes as by the keyboard.
    void Type(const QString& text) { form_->SetBasicText(text); }

    QTemporaryDir folder_;
    std::unique_ptr<Form1> form_;
};

}  // namespace tavolux::shell
