// SPDX-License-Identifier: MIT
#pragma once

#include <QPointF>
#include <QTransform>
#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "fields/UnitSystem.h"
#include "forms/FormLayout.h"

class QPainter;
class QRectF;
class QString;
class QWidget;

namespace vardolin {
class FieldTexts;
class KeptTables;
struct NumberLocale;
}  // namespace vardolin

namespace vardolin::forms {

class ImportActions;

// A button of an analysis form that shows another form, by the target's form name.
struct NavigationButton {
    const char* button;  // "Command2"
    const char* form;    // "Form1", "vard2"
};

// The buttons every analysis form has, which the form connects to its own operations:
// "Calculation", "Clear Data" and "Histogram".
inline constexpr std::array<const char*, 3> kAnalysisFormButtons{"Command1", "Command4",
                                                                 "Command5"};

// A point of a form's diagram that the pointer can drag: a row of one of its tables.
struct DraggablePoint {
    int field = 0;     // the table field that holds it
    int row = 0;       // its row, from 0
    QPointF position;  // in the analysis's own coordinates
    // From the picture's pixels to those coordinates, as the diagram lay when the point was
    // taken: the drag moves the point by the pointer's travel measured by it.
    QTransform toModel;
    int decimals = 0;  // as many as a pixel of the picture tells, for the moved point's figures
};

// What the windows add to an analysis's description: where its form's controls lie, its row on
// the main menu and the buttons that lead from its form to others. Kept beside each analysis,
// in the part of its folder that only the windows link.
//
// Its controls keep the conventions the forms rely on, which WindowConventionsTest checks for
// every window of the catalogue:
//   - a button for each of kAnalysisFormButtons, and one for each navigation button;
//   - a text field "Text<n>" for each field n of its analysis;
//   - the fields every report reads at their places (fields/ReportFields.h): the message at
//     Text5, the mean factor at Text6, the explanation at Text7, the failure percentage at
//     Text17;
//   - an analysis that uses the common statistics of the uncertain parameters
//     (kStatisticsFields) shows them at their fields, Text9 to Text16.
struct AnalysisWindow {
    std::string_view id;      // the analysis whose form this lays out: "plane_failure"
    const char* menuCaption;  // its row on the main menu: "Plan Method"
    std::span<const ControlRow> controls;
    int clientWidthTwips;
    int clientHeightTwips;
    std::span<const NavigationButton> navigation;
    // Draws the form's diagram in `area` of the picture Image1 from the form's texts and the
    // tables of its last run, in place of the picture's file, its lengths in the units of the
    // system `units`; nullptr shows the file.
    void (*drawDiagram)(QPainter& painter, const QRectF& area, const FieldTexts& fields,
                        const NumberLocale& locale, UnitSystem units, KeptTables& kept) = nullptr;
    // The tooltip of the drawn diagram at the point `at` of `area`, its figures in the units of
    // the system `units`; empty: the picture's own.
    QString (*describeDiagramPoint)(const QRectF& area, const QPointF& at, const FieldTexts& fields,
                                    const NumberLocale& locale, UnitSystem units,
                                    KeptTables& kept) = nullptr;
    // A File menu command that reads a drawing into the form's inputs ("Import &Section…"),
    // and what it does: asks for the file and whatever else it needs, and returns whether it
    // changed the form. nullptr: no such command.
    const char* importDrawingCommand = nullptr;
    bool (*importDrawing)(ImportActions& imports) = nullptr;
    // The point of the drawn diagram the pointer takes at `at` of `area`, within a few pixels;
    // nullptr, or nothing there, for none.
    std::optional<DraggablePoint> (*pointAt)(const QRectF& area, const QPointF& at,
                                             const FieldTexts& fields, const NumberLocale& locale,
                                             KeptTables& kept) = nullptr;
    // The text of the point's table with the point moved to `to`, in the analysis's own
    // coordinates, as near as the table stays valid; nothing where it cannot move.
    std::optional<std::string> (*movePoint)(const DraggablePoint& point, const QPointF& to,
                                            const FieldTexts& fields,
                                            const NumberLocale& locale) = nullptr;
    // Ties the window's own controls (choices, check boxes; ChoiceFields.h) to the texts of its
    // fields once the form has built its controls, table editors and tooltips; nullptr: none.
    void (*attachControls)(QWidget& form, const NumberLocale& locale) = nullptr;
};

// The windows of the analyses a program offers, found by their analysis's id.
class WindowCatalogue {
public:
    // `windows` must outlive the catalogue.
    explicit WindowCatalogue(std::span<const AnalysisWindow* const> windows) : windows_(windows) {}

    // The window of an analysis; every analysis the windows show has one.
    const AnalysisWindow& Of(std::string_view id) const;

private:
    std::span<const AnalysisWindow* const> windows_;
};

}  // namespace vardolin::forms
