// Paste and Move with an offset, as the node and member tables (page and bar
// alike) run them: ask dx, dy, dz with the offset dialog, then hand them to
// the table's own PasteWithOffset / MoveWithOffset. Header only; the tables
// keep what they do after the worker has moved the rows.
#pragma once
#include "tables/node/CopyNodeDlg.h"

class OffsetCommand {
public:
    // Asks the offset and calls apply(dx, dy, dz) on OK.
    template <class Apply>
    static void Ask(QWidget* parent, Apply apply)
    {
        double dx = 0.0, dy = 0.0, dz = 0.0;
        if (CCopyNodeDlg::AskOffset(parent, dx, dy, dz))
            apply(dx, dy, dz);
    }

    // Paste: asks only when the worker holds copied rows.
    template <class Apply>
    static void AskForPaste(QWidget* parent, bool hasCopy, Apply apply)
    {
        if (hasCopy)
            Ask(parent, apply);
    }

    // Move: puts the worker's selection in order and asks only when it
    // holds rows.
    template <class Worker, class Apply>
    static void AskForMove(QWidget* parent, Worker& worker, Apply apply)
    {
        worker.OrderSelection();
        if (!worker.SelectedRows().Empty())
            Ask(parent, apply);
    }
};
