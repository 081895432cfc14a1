#pragma once

#include <QMetaObject>
#include <QObject>
#include <QVector>

#include "core/clientsessioninfo.h"
#include "dialogs/dialogform.h"

// A dialog's answer reaches the screen that asked through the dialog host's
// relay signals, which all screens share. A screen therefore listens to them
// only while its own question is open: it starts just before asking and
// stops in its answer slot, its refusal slot and its hide event, so that
// neither another screen's answer nor a second answer reaches it.
template <typename Screen> class HostListener
{
public:
    explicit HostListener(Screen *screen)
        : screen(screen)
    {
    }

    // Listening again to a relay with the same slot does not connect twice.
    template <typename Relay, typename Answer> void listen(Relay relay, Answer answer)
    {
        const QMetaObject::Connection link
            = QObject::connect(ClientSessionInfo::dialogHost(), relay, screen, answer, Qt::UniqueConnection);
        if (link)
            links.append(link);
    }

    void stopListening()
    {
        for (const QMetaObject::Connection &link : qAsConst(links))
            QObject::disconnect(link);
        links.clear();
    }

private:
    Screen *screen;
    QVector<QMetaObject::Connection> links;
};
