// SPDX-License-Identifier: MIT
#include "slope_section/window/SectionImport.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <map>

#include "forms/AnalysisForm.h"
#include "forms/FileDialogs.h"
#include "forms/ImportActions.h"
#include "slope_section/SectionInputs.h"

namespace vardolin::section {

namespace {

constexpr int kIgnore = 0;
constexpr int kGround = 1;
constexpr int kWater = 2;
constexpr int kFirstBoundary = 3;  // the combo's index of boundary 1

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QString Caption(const forms::ImportActions& imports) {
    return QString::fromUtf8(imports.form().analysis().caption);
}

}  // namespace

LayerMappingDialog::LayerMappingDialog(const SectionDrawing& drawing, QWidget* parent)
    : QDialog(parent),
      drawing_(drawing),
      problem_(new QLabel(this)),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
    setWindowTitle(tr("Import Section"));
    auto* table = new QTableWidget(static_cast<int>(drawing.layers.size()), 4, this);
    table->setHorizontalHeaderLabels({tr("Layer"), tr("Points"), tr("Mean height"), tr("Line")});
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    const LayerMapping suggested = SuggestLayerMapping(drawing);
    for (std::size_t i = 0; i < drawing.layers.size(); ++i) {
        const DrawingLayer& layer = drawing.layers[i];
        const int row = static_cast<int>(i);
        std::size_t points = 0;
        double sum = 0.0;
        for (const auto& line : layer.lines) {
            for (const SectionPoint& point : line) {
                sum += point.y;
                ++points;
            }
        }
        table->setItem(row, 0, new QTableWidgetItem(Q(layer.name)));
        table->setItem(row, 1, new QTableWidgetItem(QString::number(points)));
        table->setItem(
            row, 2,
            new QTableWidgetItem(points == 0
                                     ? QString()
                                     : QString::number(sum / static_cast<double>(points), 'g', 6)));
        auto* role = new QComboBox(table);
        role->addItems({tr("Ignore"), tr("Ground"), tr("Piezometric line")});
        for (std::size_t k = 1; k <= drawing.layers.size(); ++k) {
            role->addItem(tr("Boundary %1").arg(k));
        }
        int chosen = kIgnore;
        if (layer.name == suggested.ground) {
            chosen = kGround;
        } else if (layer.name == suggested.water) {
            chosen = kWater;
        } else {
            const auto found =
                std::find(suggested.boundaries.begin(), suggested.boundaries.end(), layer.name);
            if (found != suggested.boundaries.end()) {
                chosen = kFirstBoundary + static_cast<int>(found - suggested.boundaries.begin());
            }
        }
        role->setCurrentIndex(chosen);
        connect(role, &QComboBox::currentIndexChanged, this, &LayerMappingDialog::Check);
        table->setCellWidget(row, 3, role);
        roles_.push_back(role);
    }
    problem_->setStyleSheet(QStringLiteral("color: #b00000"));
    auto* note = new QLabel(
        tr("Choose the line each layer of the drawing gives. Each line's points are read left "
           "to right; the tables they replace can be had back with Edit ▸ Undo."),
        this);
    note->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addWidget(table, 1);
    layout->addWidget(problem_);
    layout->addWidget(buttons_);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(520, 360);
    Check();
}

LayerMapping LayerMappingDialog::mapping() const {
    LayerMapping mapping;
    std::multimap<int, std::string> boundaries;
    for (std::size_t i = 0; i < roles_.size(); ++i) {
        const int role = roles_[i]->currentIndex();
        const std::string& name = drawing_.layers[i].name;
        if (role == kGround) {
            mapping.ground = name;
        } else if (role == kWater) {
            mapping.water = name;
        } else if (role >= kFirstBoundary) {
            boundaries.emplace(role, name);
        }
    }
    for (const auto& [number, name] : boundaries) {
        mapping.boundaries.push_back(name);
    }
    return mapping;
}

void LayerMappingDialog::Check() {
    std::map<int, int> counts;
    for (const QComboBox* role : roles_) {
        ++counts[role->currentIndex()];
    }
    QString problem;
    if (counts[kGround] == 0) {
        problem = tr("Choose the layer of the ground.");
    }
    for (const auto& [role, count] : counts) {
        if (role != kIgnore && count > 1) {
            problem =
                tr("%1 is chosen for %2 layers.").arg(roles_.front()->itemText(role)).arg(count);
        }
    }
    problem_->setText(problem);
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(problem.isEmpty());
}

bool ImportSectionDrawing(forms::ImportActions& imports) {
    const QString path = imports.dialogs().OpenFileName(
        &imports.form(), QObject::tr("Import Section"), QObject::tr("DXF drawings (*.dxf *.DXF)"));
    if (path.isEmpty()) {
        return false;
    }
    SectionDrawing drawing;
    try {
        drawing = ReadSectionDrawing(std::filesystem::path(QFile::encodeName(path).toStdString()));
    } catch (const SectionDrawingError& e) {
        imports.dialogs().ShowError(&imports.form(), Caption(imports), QString::fromUtf8(e.what()));
        return false;
    }
    LayerMappingDialog dialog(drawing, &imports.form());
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    return ImportSectionFile(imports, path, dialog.mapping());
}

bool ImportSectionFile(forms::ImportActions& imports, const QString& path,
                       const LayerMapping& mapping) {
    SectionTableTexts texts;
    try {
        const SectionDrawing drawing =
            ReadSectionDrawing(std::filesystem::path(QFile::encodeName(path).toStdString()));
        texts = ImportSectionTables(drawing, mapping, imports.form().locale());
    } catch (const SectionDrawingError& e) {
        imports.dialogs().ShowError(&imports.form(), Caption(imports), QString::fromUtf8(e.what()));
        return false;
    }
    FieldTextMap changed{{GroundTable, texts.ground}, {BoundariesTable, texts.boundaries}};
    if (!mapping.water.empty()) {
        changed.setText(PiezometricTable, texts.water);
    }
    imports.SetInOneStep(changed, QObject::tr("Import Section"));
    return true;
}

}  // namespace vardolin::section
