// SPDX-License-Identifier: MIT
#include "forms/ControlTable.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QSvgWidget>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

#include "forms/WrappingTextField.h"

namespace vardolin::forms {

namespace {

constexpr const char* kIndexProperty = "index";

bool Named(const char* family, const char* name) {
    return family != nullptr && std::strcmp(family, name) == 0;
}

// The design's families, or the free ones with the same metrics where they are missing.
QFont ResolveFamily(const DesignFont& design) {
    QFont font;
    if (Named(design.family, "Arial Black")) {
        if (QFontDatabase::hasFamily(QStringLiteral("Arial Black"))) {
            font.setFamily(QStringLiteral("Arial Black"));
            font.setWeight(design.bold ? QFont::Black : QFont::Normal);
        } else {
            // A black face is heavy even at its normal weight; the heaviest free sans at hand
            // is DejaVu Sans Bold, whose capitals are about as wide.
            font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
            font.setWeight(QFont::Bold);
        }
        return font;
    }
    if (Named(design.family, "MS Sans Serif")) {
        if (QFontDatabase::hasFamily(QStringLiteral("Microsoft Sans Serif"))) {
            font.setFamily(QStringLiteral("Microsoft Sans Serif"));
        } else {
            // Liberation Sans runs a little wider than MS Sans Serif; tightened by a tenth of a
            // pixel per character, "Standard deviation :" fits its label on one line as designed.
            font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
            font.setLetterSpacing(QFont::AbsoluteSpacing, -0.1);
        }
    } else {
        font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    }
    font.setWeight(design.bold ? QFont::Bold : QFont::Normal);
    return font;
}

QWidget* CreateControl(const ControlRow& row, QWidget* container) {
    const QString text = QString::fromUtf8(row.text);
    switch (row.kind) {
        case ControlKind::Frame: {
            auto* frame = new QGroupBox(text, container);
            // Frames are opaque, so a frame stacked above another hides what lies beneath it.
            frame->setAutoFillBackground(true);
            return frame;
        }
        case ControlKind::Label: {
            auto* label = new QLabel(text, container);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setWordWrap(true);
            return label;
        }
        case ControlKind::TextField: {
            auto* field = new QLineEdit(text, container);
            // A single line sits at the top of a tall field, as in the design.
            field->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return field;
        }
        case ControlKind::WrappedTextField:
            return new WrappingTextField(container);
        case ControlKind::Button: {
            auto* button = new QPushButton(text, container);
            button->setAutoDefault(false);
            return button;
        }
        case ControlKind::Picture:
            return new QSvgWidget(text, container);
        case ControlKind::CheckBox:
            return new QCheckBox(text, container);
        case ControlKind::Tabs: {
            auto* tabs = new QTabWidget(container);
            // Narrower tabs than the style's, so that a row of short captions shows whole.
            tabs->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 6px; }"));
            return tabs;
        }
        case ControlKind::TabPage: {
            auto* page = new QWidget;
            auto* tabs = qobject_cast<QTabWidget*>(container);
            Q_ASSERT_X(tabs != nullptr, "CreateControl", "a tab page outside its tabs");
            tabs->addTab(page, text);
            return page;
        }
    }
    return nullptr;
}

// A frame's border runs through the middle of its caption, which interrupts it, so the
// controls placed just below the caption stay clear of the border.
void StyleFrame(QWidget& frame) {
    const int halfCaption = frame.fontMetrics().height() / 2;
    frame.setStyleSheet(
        QStringLiteral("QGroupBox { border: 1px solid palette(mid); margin-top: %1px; }"
                       "QGroupBox::title { subcontrol-origin: margin;"
                       " left: 6px; padding: 0px 2px; }")
            .arg(halfCaption));
}

bool TakesFocus(ControlKind kind) {
    return kind == ControlKind::TextField || kind == ControlKind::WrappedTextField ||
           kind == ControlKind::Button || kind == ControlKind::CheckBox;
}

}  // namespace

QFont FontFor(const DesignFont& design) {
    QFont font = ResolveFamily(design);
    font.setPixelSize(static_cast<int>(std::lround(design.points * 96.0 / 72.0)));
    return font;
}

BuiltControls BuildControls(QWidget& form, std::span<const ControlRow> table) {
    const QFont formFont = FontFor(kFormDefaultFont);
    form.setFont(formFont);

    BuiltControls built;
    std::vector<std::pair<int, QWidget*>> focusable;
    for (const ControlRow& row : table) {
        QWidget* container = &form;
        if (row.container != nullptr) {
            container = FindControl(form, QString::fromUtf8(row.container), row.containerIndex);
            Q_ASSERT_X(container != nullptr, "BuildControls", row.name);
        }
        QWidget* control = CreateControl(row, container);
        control->setObjectName(QString::fromUtf8(row.name));
        if (row.index != kNoIndex) {
            control->setProperty(kIndexProperty, row.index);
        }
        if (row.kind != ControlKind::TabPage) {
            control->setGeometry(TwipsToPixels(row.left), TwipsToPixels(row.top),
                                 TwipsToPixels(row.width), TwipsToPixels(row.height));
        }
        // Set on every control: a frame's own font must not pass to the controls inside it.
        control->setFont(row.font.family != nullptr ? FontFor(row.font) : formFont);
        if (row.kind == ControlKind::Frame) {
            StyleFrame(*control);
        }
        // Later rows are created later and therefore lie above earlier siblings (a tab page's
        // place is its tabs').
        if (row.kind != ControlKind::TabPage) {
            control->raise();
        }
        built.widgets.push_back(control);
        if (TakesFocus(row.kind)) {
            focusable.emplace_back(row.tab, control);
        } else {
            control->setFocusPolicy(Qt::NoFocus);
        }
    }

    std::stable_sort(focusable.begin(), focusable.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& entry : focusable) {
        built.tabOrder.push_back(entry.second);
    }
    for (std::size_t i = 1; i < built.tabOrder.size(); ++i) {
        QWidget::setTabOrder(built.tabOrder[i - 1], built.tabOrder[i]);
    }
    if (!built.tabOrder.empty()) {
        // Given the focus when the window is first activated.
        built.tabOrder.front()->setFocus(Qt::OtherFocusReason);
    }
    return built;
}

namespace {

// The innermost tab page `control` lies in (or is) with its tabs; none outside every tab page.
std::pair<QTabWidget*, QWidget*> TabPageOf(const QWidget& control) {
    for (const QWidget* child = &control; child != nullptr; child = child->parentWidget()) {
        // A tab page lies in the tabs' stack of pages.
        auto* stack = qobject_cast<QStackedWidget*>(child->parentWidget());
        auto* tabs = stack != nullptr ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
        if (tabs != nullptr) {
            return {tabs, const_cast<QWidget*>(child)};
        }
    }
    return {nullptr, nullptr};
}

}  // namespace

void ShowTabPageOf(const QWidget& control) {
    // Tabs within a tab page bring their own page forward, then the page they lie in.
    for (auto found = TabPageOf(control); found.first != nullptr; found = TabPageOf(*found.first)) {
        found.first->setCurrentWidget(found.second);
    }
}

void MarkTabPageOf(const QWidget& control, bool fault) {
    if (const auto [tabs, page] = TabPageOf(control); tabs != nullptr) {
        // An invalid colour gives the tab bar's own back.
        tabs->tabBar()->setTabTextColor(tabs->indexOf(page), fault ? QColor(176, 0, 0) : QColor());
    }
}

QWidget* FindControl(const QWidget& root, const QString& name, int index) {
    const auto candidates = root.findChildren<QWidget*>(name);
    for (QWidget* candidate : candidates) {
        const QVariant element = candidate->property(kIndexProperty);
        const int elementIndex = element.isValid() ? element.toInt() : kNoIndex;
        if (elementIndex == index) {
            return candidate;
        }
    }
    return nullptr;
}

}  // namespace vardolin::forms
