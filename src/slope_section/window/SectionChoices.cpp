// SPDX-License-Identifier: MIT
#include "slope_section/window/SectionChoices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "fields/TableText.h"
#include "forms/ChoiceFields.h"
#include "forms/ControlTable.h"
#include "forms/LineEditFields.h"
#include "numerics/NumberText.h"
#include "numerics/RunTimeError.h"
#include "slope_section/PreparedSection.h"
#include "slope_section/SectionFace.h"
#include "slope_section/SectionInputReader.h"
#include "slope_section/SectionInputs.h"
#include "slope_section/SlipSurface.h"

namespace vardolin::section {

namespace {

using forms::FieldChoice;

constexpr std::array<FieldChoice, 3> kWaterChoices{{
    {kWaterNone, "None"},
    {kWaterPiezometric, "Piezometric line"},
    {kWaterPoreRatio, "Pore-pressure ratio ru"},
}};
constexpr std::array<FieldChoice, 2> kHeadChoices{{
    {kHeadVertical, "Height above the base"},
    {kHeadInclined, "Height × cos² of the line"},
}};
constexpr std::array<FieldChoice, 2> kYesNoChoices{{
    {"no", "No"},
    {"yes", "Yes"},
}};
// The surface's choices: the search's, then the given circle and the given polyline.
constexpr std::array<FieldChoice, 2> kSearchChoices{{
    {kSearchGrid, "Grid of centres"},
    {kSearchEntryExit, "Entry and exit ranges"},
}};
constexpr int kGivenCircleChoice = static_cast<int>(kSearchChoices.size());
constexpr int kGivenPolylineChoice = kGivenCircleChoice + 1;
constexpr std::array<int, 3> kCircleFields{GivenCentreX, GivenCentreY, GivenRadius};
// The points of a polyline to start from, along a circle's arc between its ends on the ground.
constexpr int kStartingPolylinePieces = 6;

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The methods the text lists that are methods, in its order, each once.
std::vector<std::size_t> ListedMethods(const QString& text) {
    std::vector<std::size_t> listed;
    for (const QString& name : text.split(QLatin1Char(','))) {
        for (std::size_t i = 0; i < kSectionMethods.size(); ++i) {
            if (name.trimmed().compare(Q(kSectionMethods[i].key), Qt::CaseInsensitive) == 0 &&
                std::find(listed.begin(), listed.end(), i) == listed.end()) {
                listed.push_back(i);
            }
        }
    }
    return listed;
}

// A figure of a circle to start from, to two decimals.
std::string Figure(double value, const NumberLocale& locale) {
    return DoubleToText(std::round(value * 100.0) / 100.0, locale);
}

class SectionChoices final : public QObject {
public:
    SectionChoices(QWidget& form, const NumberLocale& locale)
        : QObject(&form), form_(form), locale_(locale) {
        for (std::size_t i = 0; i < methods_.size(); ++i) {
            methods_[i] = forms::FindControlAs<QCheckBox>(form, QStringLiteral("Check1"),
                                                          static_cast<int>(i));
            Q_ASSERT_X(methods_[i] != nullptr, "SectionChoices", "a method's check box");
            methods_[i]->setToolTip(Q(kSectionMethods[i].name));
            connect(methods_[i], &QCheckBox::clicked, this, [this] { WriteMethods(MainMethod()); });
        }
        methodsText_ = Field(Methods);
        main_ = new QComboBox;
        main_->setObjectName(QStringLiteral("Choice%1").arg(Methods));
        forms::StandIn(*methodsText_, *main_);
        connect(main_, &QComboBox::activated, this,
                [this] { WriteMethods(main_->currentData().toInt()); });
        connect(methodsText_, &QLineEdit::textChanged, this, &SectionChoices::ShowMethods);
        ShowMethods();

        search_ = Field(SearchKindField);
        surface_ = new QComboBox;
        surface_->setObjectName(QStringLiteral("Choice%1").arg(SearchKindField));
        for (const FieldChoice& choice : kSearchChoices) {
            surface_->addItem(QString::fromUtf8(choice.caption));
        }
        surface_->addItem(tr("Given circle"));
        surface_->addItem(tr("Given polyline"));
        forms::StandIn(*search_, *surface_);
        connect(surface_, &QComboBox::activated, this, &SectionChoices::ChooseSurface);
        connect(search_, &QLineEdit::textChanged, this, &SectionChoices::ShowSurface);
        for (const int field : kCircleFields) {
            connect(Field(field), &QLineEdit::textChanged, this, &SectionChoices::ShowSurface);
        }
        connect(Field(GivenSurfaceTable), &QLineEdit::textChanged, this,
                &SectionChoices::ShowSurface);

        forms::AttachChoiceField(form, WaterModelField, kWaterChoices);
        forms::AttachChoiceField(form, HeadModeField, kHeadChoices);
        forms::AttachChoiceField(form, OwnCircles, kYesNoChoices);
        forms::AttachChoiceField(form, OverallSlope, kYesNoChoices);
        connect(Field(WaterModelField), &QLineEdit::textChanged, this,
                &SectionChoices::EnableFields);
        connect(Field(CrackDepth), &QLineEdit::textChanged, this, &SectionChoices::EnableFields);
        connect(Field(OverallSlope), &QLineEdit::textChanged, this, &SectionChoices::EnableFields);
        ShowSurface();
    }

private:
    QLineEdit* Field(int number) const {
        QLineEdit* field = forms::FieldControl(form_, number);
        Q_ASSERT_X(field != nullptr, "SectionChoices", "a field's text box");
        return field;
    }

    // The main method as chosen: the one shown, or else the first checked.
    int MainMethod() const {
        const int shown = main_->currentIndex() >= 0 ? main_->currentData().toInt() : -1;
        if (shown >= 0 && methods_[static_cast<std::size_t>(shown)]->isChecked()) {
            return shown;
        }
        for (const std::size_t listed : ListedMethods(methodsText_->text())) {
            if (methods_[listed]->isChecked()) {
                return static_cast<int>(listed);
            }
        }
        for (std::size_t i = 0; i < methods_.size(); ++i) {
            if (methods_[i]->isChecked()) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }

    // The checked methods, `first` first and the others in their order.
    void WriteMethods(int first) {
        QStringList keys;
        if (first >= 0) {
            keys << Q(kSectionMethods[static_cast<std::size_t>(first)].key);
        }
        for (std::size_t i = 0; i < methods_.size(); ++i) {
            if (methods_[i]->isChecked() && static_cast<int>(i) != first) {
                keys << Q(kSectionMethods[i].key);
            }
        }
        methodsText_->setText(keys.join(QStringLiteral(", ")));
        ShowMethods();
    }

    void ShowMethods() {
        const std::vector<std::size_t> listed = ListedMethods(methodsText_->text());
        main_->clear();
        for (std::size_t i = 0; i < methods_.size(); ++i) {
            const bool checked = std::find(listed.begin(), listed.end(), i) != listed.end();
            methods_[i]->setChecked(checked);
            if (checked) {
                main_->addItem(methods_[i]->text(), static_cast<int>(i));
            }
        }
        main_->setCurrentIndex(listed.empty() ? -1
                                              : main_->findData(static_cast<int>(listed.front())));
    }

    bool CircleGiven() const {
        return std::any_of(kCircleFields.begin(), kCircleFields.end(),
                           [this](int field) { return !Field(field)->text().trimmed().isEmpty(); });
    }

    bool PolylineGiven() const {
        const std::optional<TableRows> rows =
            ParseTableText(Field(GivenSurfaceTable)->text().toStdString());
        return !rows || !rows->empty();
    }

    void ShowSurface() {
        surface_->setCurrentIndex(PolylineGiven() ? kGivenPolylineChoice
                                  : CircleGiven()
                                      ? kGivenCircleChoice
                                      : forms::ChoiceOf(kSearchChoices, search_->text()));
        EnableFields();
    }

    void ChooseSurface(int index) {
        if (index != kGivenCircleChoice && CircleGiven()) {
            for (std::size_t i = 0; i < kCircleFields.size(); ++i) {
                keptCircle_[i] = Field(kCircleFields[i])->text();
                Field(kCircleFields[i])->clear();
            }
        }
        if (index != kGivenPolylineChoice && PolylineGiven()) {
            keptPolyline_ = Field(GivenSurfaceTable)->text();
            Field(GivenSurfaceTable)->clear();
        }
        if (index == kGivenCircleChoice) {
            if (!CircleGiven()) {
                GiveCircle();
            }
        } else if (index == kGivenPolylineChoice) {
            if (!PolylineGiven()) {
                GivePolyline();
            }
        } else {
            search_->setText(Q(kSearchChoices[static_cast<std::size_t>(index)].text));
        }
        surface_->setCurrentIndex(index);
        EnableFields();
    }

    // Fills the given surface's table with a polyline to start from: the one the user last left,
    // or points along the arc of the circle to start from.
    void GivePolyline() {
        if (!keptPolyline_.isEmpty()) {
            Field(GivenSurfaceTable)->setText(keptPolyline_);
            return;
        }
        Field(GivenSurfaceTable)->setText(Q(ArcPolyline(StartingCircle())));
    }

    // Points along the circle's arc under the ground, to two decimals, each end raised to the
    // ground; empty where the texts make no circle or the section cannot be read.
    std::string ArcPolyline(const std::array<QString, 3>& texts) const {
        const forms::LineEditFields fields(form_);
        const SectionRead read = ReadSectionInputs(fields, locale_);
        const auto* inputs = std::get_if<SectionInputs>(&read);
        std::array<double, 3> values{};
        for (std::size_t i = 0; i < texts.size(); ++i) {
            try {
                values[i] = TextToDouble(texts[i].toStdString(), locale_);
            } catch (const RunTimeError&) {
                return {};
            }
        }
        if (inputs == nullptr) {
            return {};
        }
        const PreparedSection prepared(inputs->section);
        const CircleSurface circle{values[0], values[1], values[2], false};
        const SurfaceOnGround located = LocateCircle(prepared, circle);
        if (located.status != SurfaceStatus::Valid) {
            return {};
        }
        const double from = std::min(located.entryX, located.exitX);
        const double to = std::max(located.entryX, located.exitX);
        const Polyline& ground = prepared.frame(false).ground();
        TableRows rows;
        for (int i = 0; i <= kStartingPolylinePieces; ++i) {
            const double x = from + (to - from) * i / kStartingPolylinePieces;
            const double dx = x - circle.centreX;
            double y =
                circle.centreY - std::sqrt(std::max(0.0, circle.radius * circle.radius - dx * dx));
            if (i == 0 || i == kStartingPolylinePieces) {
                y = std::ceil(std::max(y, ground.Level(x)) * 100.0) / 100.0;
            }
            rows.push_back({Figure(x, locale_), Figure(y, locale_)});
        }
        return TableText(rows);
    }

    // A circle to start from: the one the user last left, else the critical circle shown, else
    // one through the face's toe.
    std::array<QString, 3> StartingCircle() const {
        std::array<QString, 3> circle = keptCircle_;
        if (circle[2].isEmpty()) {
            const forms::LineEditFields fields(form_);
            circle = {Q(fields.text(CriticalCentreX)), Q(fields.text(CriticalCentreY)),
                      Q(fields.text(CriticalRadius))};
        }
        if (circle[2].isEmpty()) {
            circle = ToeCircle();
        }
        return circle;
    }

    // Fills the given circle's fields with a circle to start from.
    void GiveCircle() {
        const std::array<QString, 3> circle = StartingCircle();
        for (std::size_t i = 0; i < kCircleFields.size(); ++i) {
            Field(kCircleFields[i])->setText(circle[i]);
        }
    }

    // A circle through the face's toe, its centre above the face's middle half the face's
    // height over the crest, so that it enters behind the crest; nothing for a section that
    // cannot be read or has no face.
    std::array<QString, 3> ToeCircle() const {
        const forms::LineEditFields fields(form_);
        const SectionRead read = ReadSectionInputs(fields, locale_);
        const auto* inputs = std::get_if<SectionInputs>(&read);
        if (inputs == nullptr) {
            return {};
        }
        const PreparedSection prepared(inputs->section);
        const std::optional<SectionFace> face = FaceOf(prepared);
        if (!face) {
            return {};
        }
        const double x = (face->toe.x + face->crest.x) / 2.0;
        const double y = face->crest.y + face->height() / 2.0;
        const double radius = std::hypot(x - face->toe.x, y - face->toe.y);
        return {Q(Figure(x, locale_)), Q(Figure(y, locale_)), Q(Figure(radius, locale_))};
    }

    // `label`: the field's label, none for a table on its own page.
    void Enable(int field, const char* label, bool enabled) const {
        QLineEdit* text = Field(field);
        QWidget* control = text->focusProxy() != nullptr ? text->focusProxy() : text;
        // A table's text box lies hidden under its editor.
        if (auto* table = form_.findChild<QWidget*>(QStringLiteral("Table%1").arg(field))) {
            control = table;
        }
        control->setEnabled(enabled);
        if (label != nullptr) {
            forms::FindControl(form_, QString::fromLatin1(label))->setEnabled(enabled);
        }
    }

    void EnableFields() {
        const bool searches = surface_->currentIndex() < kGivenCircleChoice;
        const bool circle = surface_->currentIndex() == kGivenCircleChoice;
        const bool polyline = surface_->currentIndex() == kGivenPolylineChoice;
        Enable(CentresPerSide, "Label13", searches);
        Enable(RadiiPerCentre, "Label14", searches);
        Enable(OwnCircles, "Label50", searches);
        // The overall slope refines from the search's surfaces: nothing to refine without one.
        Enable(OverallSlope, "Label61", searches);
        const bool overall = Field(OverallSlope)
                                 ->text()
                                 .trimmed()
                                 .compare(QStringLiteral("yes"), Qt::CaseInsensitive) == 0;
        Enable(SurfacesPerTrial, "Label62", searches && overall);
        Enable(GivenCentreX, "Label15", circle);
        Enable(GivenCentreY, "Label16", circle);
        Enable(GivenRadius, "Label17", circle);
        Enable(GivenSurfaceTable, nullptr, polyline);
        Enable(MomentPointX, "Label68", polyline);
        Enable(MomentPointY, "Label69", polyline);
        const bool piezometric = Field(WaterModelField)
                                     ->text()
                                     .trimmed()
                                     .compare(Q(kWaterPiezometric), Qt::CaseInsensitive) == 0;
        const bool crack = !Field(CrackDepth)->text().trimmed().isEmpty();
        Enable(HeadModeField, "Label7", piezometric);
        Enable(WaterUnitWeight, "Label6", piezometric || crack);
        Enable(CrackWaterFill, "Label11", crack);
    }

    QWidget& form_;
    NumberLocale locale_;
    std::array<QCheckBox*, kSectionMethodCount> methods_{};
    QLineEdit* methodsText_ = nullptr;
    QComboBox* main_ = nullptr;
    QLineEdit* search_ = nullptr;
    QComboBox* surface_ = nullptr;
    std::array<QString, 3> keptCircle_;  // the given circle the user last left for a search
    QString keptPolyline_;               // the given polyline the user last left
};

}  // namespace

void AttachSectionChoices(QWidget& form, const NumberLocale& locale) {
    new SectionChoices(form, locale);
}

}  // namespace vardolin::section
