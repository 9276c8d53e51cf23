#include "ui/printjob/PrintMenu.h"

#include "print/PrintBackend.h"
#include "ui/Platform.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QMenu>

namespace dravino {

PrintMenu::PrintMenu(Platform &platform, QAbstractButton *button, PrintMenuActions actions)
    : QObject(button), m_platform(platform), m_button(button), m_actions(std::move(actions))
{
    button->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(button, &QWidget::customContextMenuRequested, this, &PrintMenu::open);
    button->installEventFilter(this);
}

bool PrintMenu::eventFilter(QObject *watched, QEvent *event)
{
    // Shift+F10 opens the menu from the keyboard, as the Menu key does.
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Menu || (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier)) {
            open(m_button->rect().center());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void PrintMenu::open(const QPoint &where)
{
    if (m_menu)
        m_menu->close();
    auto *menu = new QMenu(m_button);
    menu->setObjectName(QStringLiteral("printMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setAccessibleName(tr("Stampa"));
    m_menu = menu;

    auto add = [this, menu](QMenu *into, const QString &text, const char *name, const std::function<void()> &run) {
        QAction *a = into->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        // After the menu has closed: the routine may open dialogs of its own.
        QObject::connect(a, &QAction::triggered, menu,
                         [this, run] { QMetaObject::invokeMethod(m_button, run, Qt::QueuedConnection); });
        return a;
    };
    QAction *print = add(menu, tr("Stampa"), "menuPrint", m_actions.print);
    menu->setDefaultAction(print);
    add(menu, tr("Anteprima di stampa..."), "menuPreview", m_actions.preview);
    QMenu *printers = menu->addMenu(tr("Stampa su"));
    printers->setObjectName(QStringLiteral("menuPrintTo"));
    printers->menuAction()->setObjectName(QStringLiteral("menuPrintToAction"));
    QAction *looking = printers->addAction(tr("ricerca stampanti..."));
    looking->setEnabled(false);
    add(menu, tr("Salva come PDF..."), "menuSavePdf", m_actions.saveAsPdf);
    if (const auto exportTable = m_actions.exportTable) {
        add(menu, tr("Esporta CSV..."), "menuExportCsv", [exportTable] { exportTable(ExportKind::Csv); });
        add(menu, tr("Esporta foglio di calcolo (.xlsx)..."), "menuExportXlsx",
            [exportTable] { exportTable(ExportKind::Spreadsheet); });
    }
    menu->addSeparator();
    if (m_actions.archive)
        add(menu, tr("Archivio prove..."), "menuArchive", m_actions.archive);
    if (m_actions.workshop)
        add(menu, tr("Officina..."), "menuWorkshop", m_actions.workshop);
    if (m_actions.instrument)
        add(menu, tr("Strumento...\tF8"), "menuInstrument", m_actions.instrument);

    // The printers come when the print server answers; the menu waits for nothing.
    m_platform.listPrinters(printers, [this, printers, looking, add](const QueueList &found) {
        printers->removeAction(looking);
        looking->deleteLater();
        if (found.queues.empty()) {
            QAction *none = printers->addAction(found.failure == PrintFailure::None
                                                    ? tr("nessuna stampante")
                                                    : tr("il server di stampa non risponde"));
            none->setEnabled(false);
            return;
        }
        for (const PrintQueue &q : found.queues) {
            const QString name = q.name;
            QAction *a = add(printers, q.isDefault ? tr("%1 (predefinita)").arg(name) : name, "", [this, name] {
                m_actions.printTo(name);
            });
            a->setObjectName(QStringLiteral("printer:") + name);
        }
    });
    menu->popup(m_button->mapToGlobal(where));
}

} // namespace dravino
