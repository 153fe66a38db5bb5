#include "NSTableView.h"

#include "NSMenuItem.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>

namespace {

QAbstractItemView* viewOf(const NSTableView& table) {
    return qobject_cast<QAbstractItemView*>(table.Widget());
}

int rowCount(const NSTableView& table) {
    const QAbstractItemView* view = viewOf(table);
    return view && view->model() ? view->model()->rowCount(view->rootIndex()) : 0;
}

} // namespace

Class NSTableView::ClassObject() {
    static const Class cls = [] {
        const Class defined = objc::DefineClass("NSTableView", NSView::ClassObject());
        defined->AddMethod("selectAll:", [](NSTableView* self, id) {
            QAbstractItemView* view = viewOf(*self);
            const int rows = rowCount(*self);
            if (rows == 0)
                return;
            const QAbstractItemModel* model = view->model();
            const QItemSelection all(model->index(0, 0, view->rootIndex()),
                                     model->index(rows - 1, 0, view->rootIndex()));
            view->selectionModel()->select(all, QItemSelectionModel::ClearAndSelect |
                                                    QItemSelectionModel::Rows);
        });
        defined->AddMethod("validateUserInterfaceItem:", [](NSTableView* self, id item) {
            const auto* menuItem = dynamic_cast<NSMenuItem*>(item);
            if (menuItem && menuItem->Action() == sel_registerName("selectAll:"))
                return rowCount(*self) > 0;
            return true;
        });
        return defined;
    }();
    return cls;
}
