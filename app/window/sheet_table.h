#pragma once

// The sheet table: which dialog opens for each presentation of the
// application model. The window's SheetHost asks it when the model starts
// presenting something; a presentation without a maker opens nothing (the
// model still holds the request, so tests and later sheets can rely on it).
//
// To add a sheet, fill its maker in sheet_table.cpp:
//   composer      a new transaction (editing = none) or an existing one;
//   editorSheet   one EditorRequest alternative (account, category, plan,
//                 balance, …), by the request it receives;
//   welcome       the welcome sheet.
// A maker returns a Sheet parented to `parent`; the host opens it
// window-modal and tells the model when it closes.
//
// Threading: main thread only.

#include <optional>

#include "base/typed_id.h"
#include "shell/editor_request.h"

class QWidget;

namespace tallyra::app {

class Sheet;
struct WindowContext;

struct SheetMakers
{
    Sheet* (*composer)(WindowContext&, std::optional<EntryId> editing, QWidget* parent) = nullptr;
    Sheet* (*editorSheet)(WindowContext&, const EditorRequest& request, QWidget* parent) = nullptr;
    Sheet* (*welcome)(WindowContext&, QWidget* parent) = nullptr;
};

[[nodiscard]] const SheetMakers& sheetMakers();

} // namespace tallyra::app
