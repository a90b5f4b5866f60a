// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QString>
#include <vector>

#include "slope_section/SectionDrawingImport.h"

class QComboBox;
class QDialogButtonBox;
class QLabel;

namespace vardolin::forms {
class ImportActions;
}

namespace vardolin::section {

// Lists a drawing's layers, each with its lines, points and mean height, and lets the user
// choose the line each gives: the ground, a boundary by its number, the piezometric line, or
// none. It opens on the suggested choice (SuggestLayerMapping); OK waits for one ground and no
// line chosen twice.
class LayerMappingDialog final : public QDialog {
    Q_OBJECT

public:
    LayerMappingDialog(const SectionDrawing& drawing, QWidget* parent);

    LayerMapping mapping() const;
    // The role of each layer, as the combo boxes' texts ("Ground", "Boundary 2"…).
    QComboBox& roleOf(int layer) const { return *roles_[static_cast<std::size_t>(layer)]; }

private:
    void Check();

    const SectionDrawing& drawing_;
    std::vector<QComboBox*> roles_;
    QLabel* problem_;
    QDialogButtonBox* buttons_;
};

// File ▸ Import Section…: asks for a DXF file, reads its layers, asks for their mapping and
// imports the tables; whether the form changed.
bool ImportSectionDrawing(forms::ImportActions& imports);

// Imports the drawing at `path` with the layers mapped as `mapping` says: the ground and the
// boundaries tables, and the piezometric line's where a layer is chosen for it, set as one step
// of Edit ▸ Undo. A refused drawing is reported through the form's dialogs and changes nothing.
bool ImportSectionFile(forms::ImportActions& imports, const QString& path,
                       const LayerMapping& mapping);

}  // namespace vardolin::section
