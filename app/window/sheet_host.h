#pragma once

// SheetHost: keeps the open dialog in step with the application model's
// presentation (welcome, composer, transaction editor, an EditorRequest).
// When the model presents something the host closes the sheet that was
// open and opens the new one from the sheet table (window-modal, without
// blocking); when the user closes a sheet the host tells the model
// (dismiss), which may then present the sheet it queued.
//
// Threading: main thread only.

#include <QObject>
#include <QPointer>

#include "widgets/sheet.h"

namespace tallyra::app {

struct WindowContext;

class SheetHost final : public QObject
{
    Q_OBJECT

public:
    SheetHost(WindowContext& context, QWidget* window);

    // The sheet now open, if any.
    [[nodiscard]] Sheet* current() const { return m_sheet.data(); }

signals:
    void sheetOpened(tallyra::app::Sheet* sheet);

private:
    void sync();
    [[nodiscard]] Sheet* make();

    WindowContext& m_context;
    QWidget* m_window;
    QPointer<Sheet> m_sheet;
    // What the open sheet shows, to tell a new presentation from the same.
    QString m_key;
};

} // namespace tallyra::app
