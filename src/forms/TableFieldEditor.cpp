// SPDX-License-Identifier: MIT
#include "forms/TableFieldEditor.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QUndoCommand>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>
#include <set>

#include "analysis/Tooltips.h"
#include "forms/ControlTable.h"
#include "forms/LineEditFields.h"

namespace vardolin::forms {

namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// One change of the table, kept as its value before and after.
class TableChange final : public QUndoCommand {
public:
    TableChange(TableFieldEditor& editor, const QString& what, std::string before,
                std::string after)
        : QUndoCommand(what),
          editor_(editor),
          before_(std::move(before)),
          after_(std::move(after)) {}

    void undo() override { editor_.Apply(before_); }
    void redo() override { editor_.Apply(after_); }

private:
    TableFieldEditor& editor_;
    std::string before_;
    std::string after_;
};

// A cell as a field may hold it: what a spreadsheet leaves between its cells aside, no control
// characters.
std::string CellText(const QString& text) {
    QString cell;
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() != 0x7f) {
            cell += c;
        }
    }
    return cell.toStdString();
}

const QColor kRowInError(255, 228, 228);
const QColor kCellInError(255, 176, 176);

}  // namespace

TableFieldEditor::TableFieldEditor(const TableInput& table, const QString& label,
                                   const NumberLocale& locale, QLineEdit& value, QWidget* parent)
    : QWidget(parent),
      table_(table),
      label_(label),
      locale_(locale),
      value_(&value),
      grid_(new QTableWidget(0, static_cast<int>(table.columns.size()), this)),
      problem_(new QLabel(this)) {
    for (int c = 0; c < grid_->columnCount(); ++c) {
        grid_->setHorizontalHeaderItem(c, new QTableWidgetItem);
    }
    ShowUnits(UnitSystem::SiPascal);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // A column of words (a name, a model) as wide as its words; the figures share the rest.
    for (int c = 0; c < grid_->columnCount(); ++c) {
        if (!table.columns[static_cast<std::size_t>(c)].numbers) {
            grid_->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
        }
    }
    // One line a row, so that a table shows as many rows as its box holds.
    grid_->setWordWrap(false);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
    grid_->setObjectName(QStringLiteral("Grid"));
    grid_->installEventFilter(this);

    auto* add = new QPushButton(tr("Add Row"), this);
    auto* remove = new QPushButton(tr("Remove Row"), this);
    add->setObjectName(QStringLiteral("AddRow"));
    remove->setObjectName(QStringLiteral("RemoveRow"));
    for (QPushButton* button : {add, remove}) {
        button->setAutoDefault(false);
    }
    problem_->setObjectName(QStringLiteral("Problem"));
    problem_->setWordWrap(true);
    problem_->setStyleSheet(QStringLiteral("color: #b00000"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addWidget(problem_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_, 1);
    layout->addLayout(buttons);

    connect(add, &QPushButton::clicked, this, &TableFieldEditor::AddRow);
    connect(remove, &QPushButton::clicked, this, &TableFieldEditor::RemoveRows);
    connect(grid_, &QTableWidget::itemChanged, this, [this] {
        if (!showing_) {
            Change(tr("Edit Cell"), Rows());
        }
    });
    // Long tables need more than a text box usually holds.
    value.setMaxLength(std::numeric_limits<int>::max());
    connect(&value, &QLineEdit::textChanged, this, &TableFieldEditor::ValueChanged);
    written_ = value.text().toStdString();
    Show(ParseTableText(written_).value_or(TableRows{}));
    Mark();
}

void TableFieldEditor::ShowUnits(UnitSystem units) {
    for (int c = 0; c < grid_->columnCount(); ++c) {
        const TableColumn& column = table_.columns[static_cast<std::size_t>(c)];
        // A degree sign for degrees, as beside a field: a narrow column has little room. So a
        // label of two words takes two lines, and the unit one more.
        const std::string_view unit =
            UnitIn(column, units) == "degrees" ? "°" : UnitIn(column, units);
        QString name = Q(column.label);
        if (name.count(QLatin1Char(' ')) == 1) {
            name.replace(QLatin1Char(' '), QLatin1Char('\n'));
        }
        QTableWidgetItem* heading = grid_->horizontalHeaderItem(c);
        heading->setText(unit.empty() ? name : QStringLiteral("%1\n(%2)").arg(name, Q(unit)));
        heading->setToolTip(Q(ColumnTooltip(column, units)));
    }
}

bool TableFieldEditor::rowInError(int row) const {
    const QTableWidgetItem* item = grid_->item(row, 0);
    return item != nullptr && item->background().style() != Qt::NoBrush;
}

void TableFieldEditor::FocusFirstProblem() {
    const std::vector<TableProblem> problems =
        TableProblems(table_, label_.toStdString(), written_, locale_);
    if (!problems.empty() && problems.front().row &&
        *problems.front().row < static_cast<std::size_t>(grid_->rowCount())) {
        grid_->setCurrentCell(static_cast<int>(*problems.front().row),
                              static_cast<int>(problems.front().column.value_or(0)));
    }
    ShowTabPageOf(*this);
    grid_->setFocus(Qt::OtherFocusReason);
}

TableRows TableFieldEditor::Rows() const {
    TableRows rows(static_cast<std::size_t>(grid_->rowCount()));
    for (int r = 0; r < grid_->rowCount(); ++r) {
        for (int c = 0; c < grid_->columnCount(); ++c) {
            const QTableWidgetItem* item = grid_->item(r, c);
            rows[static_cast<std::size_t>(r)].push_back(item ? CellText(item->text())
                                                             : std::string());
        }
    }
    return rows;
}

void TableFieldEditor::Change(const QString& what, const TableRows& after) {
    const std::string text = TableText(after);
    if (text == written_) {
        return;
    }
    undo_.push(new TableChange(*this, what, written_, text));
}

void TableFieldEditor::Apply(const std::string& text) {
    written_ = text;
    if (value_ && value_->text().toStdString() != text) {
        value_->setText(QString::fromStdString(text));
    }
    if (Rows() != ParseTableText(text).value_or(TableRows{})) {
        Show(ParseTableText(text).value_or(TableRows{}));
    }
    Mark();
}

bool TableFieldEditor::RecordChange(const QString& what, const std::string& before) {
    if (before == written_) {
        return false;
    }
    undo_.push(new TableChange(*this, what, before, written_));
    return true;
}

void TableFieldEditor::Show(const TableRows& rows) {
    showing_ = true;
    const int current = grid_->currentRow();
    grid_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < grid_->rowCount(); ++r) {
        const auto& cells = rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < grid_->columnCount(); ++c) {
            const auto at = static_cast<std::size_t>(c);
            grid_->setItem(r, c,
                           new QTableWidgetItem(
                               at < cells.size() ? QString::fromStdString(cells[at]) : QString()));
        }
    }
    if (current >= 0 && current < grid_->rowCount()) {
        grid_->setCurrentCell(current, std::max(grid_->currentColumn(), 0));
    }
    showing_ = false;
}

void TableFieldEditor::ValueChanged(const QString& text) {
    const std::string value = text.toStdString();
    if (value == written_) {
        return;
    }
    undo_.clear();
    written_ = value;
    Show(ParseTableText(value).value_or(TableRows{}));
    Mark();
}

void TableFieldEditor::Mark() {
    const std::vector<TableProblem> problems =
        TableProblems(table_, label_.toStdString(), written_, locale_);
    showing_ = true;
    for (int r = 0; r < grid_->rowCount(); ++r) {
        QStringList messages;
        std::set<std::size_t> columns;
        for (const TableProblem& problem : problems) {
            if (problem.row == static_cast<std::size_t>(r)) {
                messages.push_back(QString::fromStdString(problem.message));
                if (problem.column) {
                    columns.insert(*problem.column);
                }
            }
        }
        for (int c = 0; c < grid_->columnCount(); ++c) {
            QTableWidgetItem* item = grid_->item(r, c);
            if (item == nullptr) {
                item = new QTableWidgetItem;
                grid_->setItem(r, c, item);
            }
            if (messages.empty()) {
                item->setBackground(QBrush());
            } else {
                item->setBackground(columns.contains(static_cast<std::size_t>(c)) ? kCellInError
                                                                                  : kRowInError);
            }
            item->setToolTip(messages.join(QLatin1Char('\n')));
        }
    }
    showing_ = false;
    // A table on a page out of sight shows its fault on its tab.
    MarkTabPageOf(*this, !problems.empty());
    problem_->setText(problems.empty() ? QString()
                                       : QString::fromStdString(problems.front().message));
}

bool TableFieldEditor::Paste(const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r'))) {
            line.chop(1);
        }
    }
    if (!lines.isEmpty() && lines.back().isEmpty()) {
        lines.pop_back();
    }
    if (!lines.isEmpty()) {
        const QStringList first = lines.front().split(QLatin1Char('\t'));
        const bool header = std::all_of(first.begin(), first.end(), [&](const QString& cell) {
            return FindColumn(table_, cell.trimmed().toStdString()).has_value();
        });
        if (header) {
            lines.pop_front();
        }
    }
    if (lines.isEmpty()) {
        return true;
    }
    TableRows rows = Rows();
    const auto top = static_cast<std::size_t>(std::max(grid_->currentRow(), 0));
    const auto left = static_cast<std::size_t>(std::max(grid_->currentColumn(), 0));
    const std::size_t needed = top + static_cast<std::size_t>(lines.size());
    if (needed > kMaxTableRows) {
        QApplication::beep();
        return false;
    }
    if (rows.size() < needed) {
        rows.resize(needed, std::vector<std::string>(table_.columns.size()));
    }
    for (qsizetype l = 0; l < lines.size(); ++l) {
        const QStringList cells = lines[l].split(QLatin1Char('\t'));
        auto& row = rows[top + static_cast<std::size_t>(l)];
        for (qsizetype c = 0; c < cells.size(); ++c) {
            const std::size_t column = left + static_cast<std::size_t>(c);
            if (column < row.size()) {
                row[column] = CellText(cells[c]);
            }
        }
    }
    Change(tr("Paste"), rows);
    return true;
}

void TableFieldEditor::AddRow() {
    TableRows rows = Rows();
    if (rows.size() >= kMaxTableRows) {
        QApplication::beep();
        return;
    }
    const int at = grid_->currentRow() < 0 ? grid_->rowCount() : grid_->currentRow() + 1;
    rows.insert(rows.begin() + at, std::vector<std::string>(table_.columns.size()));
    Change(tr("Add Row"), rows);
    grid_->setCurrentCell(at, 0);
}

void TableFieldEditor::RemoveRows() {
    std::set<int> chosen;
    for (const QTableWidgetItem* item : grid_->selectedItems()) {
        chosen.insert(item->row());
    }
    if (chosen.empty() && grid_->currentRow() >= 0) {
        chosen.insert(grid_->currentRow());
    }
    if (chosen.empty()) {
        return;
    }
    TableRows rows = Rows();
    for (auto r = chosen.rbegin(); r != chosen.rend(); ++r) {
        rows.erase(rows.begin() + *r);
    }
    Change(tr("Remove Row"), rows);
}

QString TableFieldEditor::SelectionText() const {
    const QList<QTableWidgetSelectionRange> ranges = grid_->selectedRanges();
    if (ranges.isEmpty()) {
        return {};
    }
    const QTableWidgetSelectionRange& range = ranges.front();
    QStringList lines;
    for (int r = range.topRow(); r <= range.bottomRow(); ++r) {
        QStringList cells;
        for (int c = range.leftColumn(); c <= range.rightColumn(); ++c) {
            const QTableWidgetItem* item = grid_->item(r, c);
            cells.push_back(item ? item->text() : QString());
        }
        lines.push_back(cells.join(QLatin1Char('\t')));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

bool TableFieldEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Paste)) {
            Paste(QApplication::clipboard()->text());
            return true;
        }
        if (key->matches(QKeySequence::Copy)) {
            QApplication::clipboard()->setText(SelectionText());
            return true;
        }
        if (key->matches(QKeySequence::Undo)) {
            undo_.undo();
            return true;
        }
        if (key->matches(QKeySequence::Redo)) {
            undo_.redo();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void AttachTableEditors(QWidget& form, const AnalysisDescription& analysis,
                        const NumberLocale& locale) {
    for (const TableInput& table : analysis.tables) {
        QLineEdit* value = FieldControl(form, table.field);
        const FieldFact* field = analysis.findField(table.field);
        Q_ASSERT_X(value != nullptr && field != nullptr, "AttachTableEditors", "a table's field");
        auto* editor =
            new TableFieldEditor(table, Q(field->label), locale, *value, value->parentWidget());
        editor->setObjectName(QStringLiteral("Table%1").arg(table.field));
        editor->ShowUnits(DefaultUnits(analysis));
        editor->setGeometry(value->geometry());
        editor->setFont(value->font());
        editor->show();
        value->hide();
        QWidget::setTabOrder(value, &editor->grid());
    }
}

}  // namespace vardolin::forms
