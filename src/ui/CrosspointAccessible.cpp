#include "ui/CrosspointAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "ui/CrosspointCellButton.h"
#include "ui/CrosspointGrid.h"
#include "ui/CrosspointHeading.h"

namespace vx::ui {

namespace {

QAccessibleInterface* Of(QWidget* w) {
    return w ? QAccessible::queryAccessibleInterface(w) : nullptr;
}

class AccessibleGrid : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit AccessibleGrid(CrosspointGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row >= rowCount() || column >= columnCount()) return nullptr;
        return Of(Grid()->Cell(row, column));
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override {
        const CrosspointHeading* h = Grid()->InputHeading(column);
        return h ? h->accessibleName() : QString();
    }
    QString rowDescription(int row) const override {
        const CrosspointHeading* h = Grid()->OutputHeading(row);
        return h ? h->accessibleName() : QString();
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return Grid()->Inputs(); }
    int rowCount() const override { return Grid()->Outputs(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    // Picking is a cell's Press action; rows and columns are not selected as such.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    CrosspointGrid* Grid() const { return static_cast<CrosspointGrid*>(widget()); }
};

class AccessibleCell : public QAccessibleWidget, public QAccessibleTableCellInterface {
public:
    explicit AccessibleCell(CrosspointCellButton* cell) : QAccessibleWidget(cell, QAccessible::Cell) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableCellInterface) return static_cast<QAccessibleTableCellInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction())
            Cell()->click();
        else
            QAccessibleWidget::doAction(action);
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override {
        return {Of(Grid()->InputHeading(Cell()->Input()))};
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override {
        return {Of(Grid()->OutputHeading(Cell()->Output()))};
    }
    int columnIndex() const override { return Cell()->Input(); }
    int rowIndex() const override { return Cell()->Output(); }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return Of(Grid()); }

private:
    CrosspointCellButton* Cell() const { return static_cast<CrosspointCellButton*>(widget()); }
    CrosspointGrid* Grid() const { return static_cast<CrosspointGrid*>(Cell()->parentWidget()); }
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (auto* cell = dynamic_cast<CrosspointCellButton*>(object)) return new AccessibleCell(cell);
    if (auto* grid = dynamic_cast<CrosspointGrid*>(object)) return new AccessibleGrid(grid);
    return nullptr;
}

}  // namespace

void InstallCrosspointAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

}  // namespace vx::ui
