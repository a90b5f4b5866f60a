// SPDX-License-Identifier: MIT
#include "forms/Navigator.h"

#include <QCoreApplication>

#include "forms/Form1.h"
#include "forms/Vardolin.h"
#include "forms/vard2.h"

namespace vardolin::forms {

namespace {

// A window closed by its close box is only deleted when control returns to the event loop;
// until then it is hidden and already counts as gone.
template <typename Form>
Form* OpenInstance(const QPointer<Form>& instance) {
    return instance && !instance->isHidden() ? instance.data() : nullptr;
}

}  // namespace

Navigator::Navigator(AnalysisContext& context) : context_(context) {}

Navigator::~Navigator() {
    delete vard2_.data();
    delete vardolin_.data();
    delete form1_.data();
}

template <typename Form, typename Create>
Form& Navigator::Show(QPointer<Form>& instance, Create create) {
    if (OpenInstance(instance) == nullptr) {
        Form* form = create();
        form->setAttribute(Qt::WA_DeleteOnClose);
        instance = form;
    }
    Form& form = *instance;
    form.setWindowState(form.windowState() & ~Qt::WindowMinimized);
    form.show();
    form.raise();
    form.activateWindow();
    return form;
}

Form1& Navigator::ShowForm1() {
    return Show(form1_, [this] { return new Form1(*this); });
}

Vardolin& Navigator::ShowVardolin() {
    return Show(vardolin_, [this] { return new Vardolin(*this, context_); });
}

vard2& Navigator::ShowVard2() {
    return Show(vard2_, [this] { return new vard2(*this, context_); });
}

void Navigator::Exit() {
    QCoreApplication::exit(0);
}

Form1* Navigator::form1() const {
    return OpenInstance(form1_);
}

Vardolin* Navigator::vardolin() const {
    return OpenInstance(vardolin_);
}

vard2* Navigator::vard2Form() const {
    return OpenInstance(vard2_);
}

}  // namespace vardolin::forms
