#pragma once
// Desktop services for tests: message boxes are recorded and answered at
// once, the code prompt answers a preset text, the shell answers a preset
// result and every printed document is kept as a recording.

#include "print/RecordingSurface.h"
#include "ui/Platform.h"

#include <QList>

// A printer that fails during the page.
class FailingSurface final : public dravino::PrintSurface
{
public:
    QString DeviceName() const override { return QStringLiteral("Guasta"); }
    QString Port() const override { return QStringLiteral("usb:/"); }
    QString errorText() const override { return QStringLiteral("La stampa su Guasta non è riuscita."); }

protected:
    double measure(const QFont &, const QString &text) const override { return 100.0 * text.size(); }
    double lineHeight(const QFont &) const override { return 268; }
    void drawText(double, double, const QFont &, const QColor &, const QString &) override {}
    void drawLine(double, double, double, double, const QColor &) override {}
    void endDocument() override {}
};

struct ShownMessage {
    QString text;
    QString title;
    dravino::MessageIcon icon;
};

class FakePlatform final : public dravino::Platform
{
public:
    void message(QWidget *, const QString &text, const QString &title, dravino::MessageIcon icon) override
    {
        messages.append({text, title, icon});
        if (onMessage)
            onMessage(messages.last());
    }
    QString inputText(QWidget *, const QString &prompt, const QString &title) override
    {
        prompts.append(prompt + QLatin1Char('|') + title);
        return inputAnswer;
    }
    int shellOpen(const QString &target) override
    {
        opened.append(target);
        return shellResult;
    }
    dravino::PrinterName printer() override
    {
        ++printerQueries;
        return {deviceName, port};
    }
    std::unique_ptr<dravino::PrintSurface> openPrinter() override
    {
        if (printerFails)
            return std::make_unique<FailingSurface>();
        auto surface = std::make_unique<dravino::RecordingSurface>(deviceName, port);
        surface->onEndDoc = [this](const dravino::RecordingSurface &s) { documents.append(s.items()); };
        return surface;
    }
    QDate today() override { return todayDate; }

    QList<ShownMessage> messages;
    std::function<void(const ShownMessage &)> onMessage;
    QStringList prompts;
    QString inputAnswer;
    QStringList opened;
    int shellResult = dravino::kShellOk;
    QString deviceName = QStringLiteral("PDF");
    QString port = QStringLiteral("cups-pdf:/");
    QList<QList<dravino::RecordedItem>> documents;
    bool printerFails = false;
    int printerQueries = 0;
    QDate todayDate = QDate(2026, 12, 6);
};
