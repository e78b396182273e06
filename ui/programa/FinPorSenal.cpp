#include "ui/programa/FinPorSenal.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <csignal>

namespace velistra {

namespace {

// A signal handler may only write to a descriptor; the event loop reads the other end.
int tubo[2] = {-1, -1};

extern "C" void AlRecibirLaSenal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = write(tubo[1], &byte, 1);
}

}  // namespace

void TerminaConLasSenales(std::function<void()> antes) {
    if (pipe2(tubo, O_CLOEXEC | O_NONBLOCK) != 0) return;
    auto* aviso = new QSocketNotifier(tubo[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(aviso, &QSocketNotifier::activated, aviso, [aviso, antes = std::move(antes)] {
        char byte;
        while (read(tubo[0], &byte, 1) > 0) {
        }
        aviso->setEnabled(false);
        antes();
        // Every running event loop ends, a modal dialog's too; the main one, if it has not
        // started yet, as soon as it does.
        QCoreApplication::exit(0);
        QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
    });
    struct sigaction accion {};
    accion.sa_handler = AlRecibirLaSenal;
    sigemptyset(&accion.sa_mask);
    accion.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &accion, nullptr);
    sigaction(SIGHUP, &accion, nullptr);
}

}  // namespace velistra
