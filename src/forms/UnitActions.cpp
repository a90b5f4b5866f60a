// SPDX-License-Identifier: MIT
#include "forms/UnitActions.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include "forms/AnalysisForm.h"
#include "forms/EditActions.h"
#include "forms/FieldTooltips.h"
#include "forms/LineEditFields.h"
#include "forms/SamplingActions.h"
#include "forms/TableFieldEditor.h"

namespace vardolin::forms {

namespace {

// The room a unit takes beside its field: "kN/m³" in the form's font.
constexpr int kUnitGap = 4;
constexpr int kUnitWidth = 40;

// What the label beside a field shows: its unit, a degree sign for degrees; nothing for a
// count, a ratio or a percentage, whose caption says so.
QString UnitLabelText(std::string_view unit) {
    if (unit == "count" || unit == "%") {
        return {};
    }
    if (unit == "degrees") {
        return QStringLiteral("°");
    }
    return QString::fromUtf8(unit.data(), static_cast<qsizetype>(unit.size()));
}

// Whether a field of the same unit follows the field in its row with no room for a unit
// between them ("Entry x from, to"): the pair then shows its unit once, after the second.
bool SharesItsUnitWithTheNextField(const AnalysisForm& form, const FieldFact& field,
                                   const QLineEdit& control) {
    const int right = control.x() + control.width();
    for (const FieldFact& other : form.analysis().fields) {
        const QLineEdit* next = FieldControl(form, other.number);
        if (next != nullptr && next != &control && other.unit == field.unit &&
            next->parentWidget() == control.parentWidget() && next->y() == control.y() &&
            next->x() >= right && next->x() < right + kUnitGap + kUnitWidth) {
            return true;
        }
    }
    return false;
}

}  // namespace

UnitActions::UnitActions(AnalysisForm& form)
    : QObject(&form), form_(form), units_(DefaultUnits(form.analysis())) {
    QMenu* options = form.menuBar()->findChild<QMenu*>(QStringLiteral("OptionsMenu"));
    if (options == nullptr) {
        options = form.menuBar()->addMenu(tr("&Options"));
    }
    QMenu* menu = options->addMenu(tr("&Units"));
    menu->setObjectName(QStringLiteral("UnitsMenu"));
    auto* group = new QActionGroup(menu);
    for (const UnitSystem system :
         {UnitSystem::SiKilopascal, UnitSystem::SiPascal, UnitSystem::UsCustomary}) {
        const std::string_view caption = CaptionOf(system);
        QAction* action = menu->addAction(
            QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
        action->setObjectName(QStringLiteral("Units_%1").arg(QString::fromUtf8(NameOf(system))));
        action->setCheckable(true);
        group->addAction(action);
        actions_[system] = action;
        connect(action, &QAction::triggered, this, [this, system] { ConvertTo(system); });
    }
    for (const FieldFact& field : form.analysis().fields) {
        QLineEdit* control = FieldControl(form, field.number);
        if (control == nullptr || UnitLabelText(field.unit).isEmpty() ||
            SharesItsUnitWithTheNextField(form, field, *control)) {
            continue;
        }
        // A field whose unit would pass its frame's edge gives the unit the room it needs.
        const int beyond = control->x() + control->width() + kUnitGap + kUnitWidth -
                           control->parentWidget()->contentsRect().right();
        if (beyond > 0) {
            control->resize(control->width() - beyond, control->height());
        }
        auto* label = new QLabel(control->parentWidget());
        label->setObjectName(QStringLiteral("Unit%1").arg(field.number));
        label->setGeometry(control->x() + control->width() + kUnitGap, control->y(), kUnitWidth,
                           control->height());
        label->setFont(control->font());
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        labels_[field.number] = label;
    }
    ShowUnits();
}

void UnitActions::ConvertTo(UnitSystem units) {
    if (units != units_) {
        LineEditFields fields(form_);
        SamplingChoices choices = form_.sampling().choices();
        ConvertSamplingBounds(form_.analysis(), fields, choices, units_, units);
        ConvertInputs(form_.analysis(), fields, units_, units, form_.locale());
        form_.sampling().SetChoices(choices);
        form_.edit().ConvertUnits(units_, units);
        units_ = units;
    }
    ShowUnits();
}

void UnitActions::SetWithoutConverting(UnitSystem units) {
    units_ = units;
    ShowUnits();
}

void UnitActions::ShowUnits() {
    for (const FieldFact& field : form_.analysis().fields) {
        if (const auto label = labels_.find(field.number); label != labels_.end()) {
            label->second->setText(UnitLabelText(UnitIn(field, units_)));
        }
    }
    for (TableFieldEditor* table : form_.findChildren<TableFieldEditor*>()) {
        table->ShowUnits(units_);
    }
    actions_.at(units_)->setChecked(true);
    ApplyFieldTooltips(form_, form_.analysis(), units_);
}

}  // namespace vardolin::forms
