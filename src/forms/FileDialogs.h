// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

namespace vardolin::forms {

// The questions and messages of the file commands, behind one interface so that the windows'
// tests answer them without opening a dialog. The process has one, created at start-up and
// handed to the Navigator, which hands it to the forms.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    // The file to open or to save to, or an empty text when the user cancels. `filter` is a
    // name filter as QFileDialog takes it ("Vardolin models (*.vardolin)").
    virtual QString OpenFileName(QWidget* parent, const QString& caption,
                                 const QString& filter) = 0;
    virtual QString SaveFileName(QWidget* parent, const QString& caption,
                                 const QString& suggestedName, const QString& filter) = 0;

    // Something the user must know before going on (a refused file, a failed save).
    virtual void ShowError(QWidget* parent, const QString& caption, const QString& text) = 0;
    // Something the user should know, that changed nothing for the worse.
    virtual void ShowNote(QWidget* parent, const QString& caption, const QString& text) = 0;

    enum class UnsavedAnswer { Save, Discard, Cancel };
    // Save, Discard or Cancel; Enter gives `defaultAnswer`.
    virtual UnsavedAnswer AskToSave(QWidget* parent, const QString& caption, const QString& text,
                                    UnsavedAnswer defaultAnswer) = 0;

protected:
    FileDialogs() = default;
    FileDialogs(const FileDialogs&) = default;
    FileDialogs& operator=(const FileDialogs&) = default;
};

// The platform's own dialogs (QFileDialog, QMessageBox). File dialogs start in the folder the
// last one ended in, for as long as the program runs.
class NativeFileDialogs final : public FileDialogs {
public:
    QString OpenFileName(QWidget* parent, const QString& caption, const QString& filter) override;
    QString SaveFileName(QWidget* parent, const QString& caption, const QString& suggestedName,
                         const QString& filter) override;
    void ShowError(QWidget* parent, const QString& caption, const QString& text) override;
    void ShowNote(QWidget* parent, const QString& caption, const QString& text) override;
    UnsavedAnswer AskToSave(QWidget* parent, const QString& caption, const QString& text,
                            UnsavedAnswer defaultAnswer) override;

private:
    QString lastFolder_;
};

}  // namespace vardolin::forms
