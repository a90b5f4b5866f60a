// SPDX-License-Identifier: MIT
// File dialogs that answer from a script instead of opening: the window tests run offscreen and
// must never wait for a user. A question nobody scripted fails the test and is cancelled.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

#include "forms/FileDialogs.h"

namespace vardolin::forms::testing_support {

class ScriptedDialogs final : public FileDialogs {
public:
    // The answers, taken in order.
    std::deque<QString> fileNames;
    std::deque<UnsavedAnswer> unsavedAnswers;

    // What was shown and asked, in order.
    QStringList errors;
    QStringList notes;
    QStringList questions;
    QStringList filters;
    std::vector<UnsavedAnswer> defaults;  // what Enter would have answered, per question

    QString OpenFileName(QWidget*, const QString&, const QString& filter) override {
        filters.append(filter);
        return Next();
    }
    QString SaveFileName(QWidget*, const QString&, const QString&, const QString& filter) override {
        filters.append(filter);
        return Next();
    }
    void ShowError(QWidget*, const QString&, const QString& text) override { errors.append(text); }
    void ShowNote(QWidget*, const QString&, const QString& text) override { notes.append(text); }
    UnsavedAnswer AskToSave(QWidget*, const QString&, const QString& text,
                            UnsavedAnswer defaultAnswer) override {
        questions.append(text);
        defaults.push_back(defaultAnswer);
        if (unsavedAnswers.empty()) {
            ADD_FAILURE() << "an unexpected question: " << text.toStdString();
            return UnsavedAnswer::Cancel;
        }
        const UnsavedAnswer answer = unsavedAnswers.front();
        unsavedAnswers.pop_front();
        return answer;
    }

private:
    QString Next() {
        if (fileNames.empty()) {
            ADD_FAILURE() << "an unexpected file dialog";
            return {};
        }
        QString name = fileNames.front();
        fileNames.pop_front();
        return name;
    }
};

}  // namespace vardolin::forms::testing_support
