// SPDX-License-Identifier: MIT
#include "forms/Navigator.h"

#include <QCoreApplication>
#include <QPushButton>
#include <stdexcept>

#include "forms/AnalysisForm.h"
#include "forms/ControlTable.h"
#include "forms/FileDialogs.h"
#include "forms/MainMenu.h"
#include "forms/ModelFileActions.h"

namespace vardolin::forms {

Navigator::Navigator(AnalysisContext& context, const AnalysisCatalogue& catalogue,
                     const WindowCatalogue& windows)
    : context_(context),
      catalogue_(catalogue),
      windows_(windows),
      ownDialogs_(std::make_unique<NativeFileDialogs>()),
      dialogs_(*ownDialogs_) {}

Navigator::Navigator(AnalysisContext& context, const AnalysisCatalogue& catalogue,
                     const WindowCatalogue& windows, FileDialogs& dialogs)
    : context_(context), catalogue_(catalogue), windows_(windows), dialogs_(dialogs) {}

Navigator::~Navigator() {
    for (auto& [name, form] : forms_) {
        delete form.data();
    }
}

QWidget& Navigator::Show(std::string_view formName) {
    if (formName == kMainMenuName) {
        return ShowMainMenu();
    }
    const AnalysisDescription* analysis = catalogue_.FindByForm(formName);
    if (analysis == nullptr) {
        throw std::invalid_argument("no form " + std::string(formName));
    }
    return ShowAnalysis(*analysis);
}

namespace {

// Creates the form if it is not open (a window closed by its close box is only deleted when
// control returns to the event loop; until then it is hidden and already counts as gone), then
// shows it modeless and brings it to the front.
template <typename Form, typename Create>
Form& ShowForm(QPointer<QWidget>& instance, Create create) {
    if (!instance || instance->isHidden()) {
        Form* form = create();
        form->setAttribute(Qt::WA_DeleteOnClose);
        instance = form;
    }
    auto& form = static_cast<Form&>(*instance);
    form.setWindowState(form.windowState() & ~Qt::WindowMinimized);
    form.show();
    form.raise();
    form.activateWindow();
    return form;
}

}  // namespace

MainMenu& Navigator::ShowMainMenu() {
    return ShowForm<MainMenu>(forms_[std::string(kMainMenuName)],
                              [this] { return new MainMenu(*this); });
}

AnalysisForm& Navigator::ShowAnalysis(const AnalysisDescription& analysis) {
    return ShowForm<AnalysisForm>(forms_[analysis.formName], [&] {
        return new AnalysisForm(analysis, windows_.Of(analysis.id), *this, context_);
    });
}

QWidget* Navigator::Find(std::string_view formName) const {
    const auto found = forms_.find(formName);
    if (found == forms_.end() || !found->second || found->second->isHidden()) {
        return nullptr;
    }
    return found->second.data();
}

bool Navigator::Exit() {
    // Each form whose inputs changed since it was opened or saved asks, as its own close does;
    // Cancel on any keeps the program and every text as they are.
    for (const auto& [name, form] : forms_) {
        auto* analysis = qobject_cast<AnalysisForm*>(form.data());
        if (analysis != nullptr && !analysis->isHidden() && !analysis->files().MayClose()) {
            return false;
        }
    }
    QCoreApplication::exit(0);
    return true;
}

void Navigator::SetRunInFlight(bool inFlight) {
    runInFlight_ = inFlight;
    for (const auto& [name, form] : forms_) {
        if (qobject_cast<AnalysisForm*>(form.data()) != nullptr) {
            FindControl(*form, QStringLiteral("Command1"))->setEnabled(!inFlight);
        }
    }
}

void ConnectNavigation(QWidget& form, std::span<const NavigationButton> buttons,
                       Navigator& navigator) {
    for (const NavigationButton& entry : buttons) {
        auto* button = FindControlAs<QPushButton>(form, QString::fromLatin1(entry.button));
        Q_ASSERT_X(button != nullptr, "ConnectNavigation", entry.button);
        const std::string target = entry.form;
        QObject::connect(button, &QPushButton::clicked, &form,
                         [&navigator, target] { navigator.Show(target); });
    }
}

}  // namespace vardolin::forms
