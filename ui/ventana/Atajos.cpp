#include "ui/ventana/Atajos.h"

#include <QCoreApplication>

#include "sesion/TablaDeComandos.h"

namespace velistra {

QList<QKeySequence> AtajosDe(int id) {
    QList<QKeySequence> atajos;
    if (const FilaDeComando* fila = FilaDeComandoDe(id)) {
        for (const char* atajo : fila->atajos) {
            if (atajo != nullptr)
                atajos << QKeySequence::fromString(QString::fromLatin1(atajo), QKeySequence::PortableText);
        }
    }
    return atajos;
}

QString AyudaDeBoton(const QString& nombre, int id) {
    const QList<QKeySequence> atajos = AtajosDe(id);
    if (atajos.isEmpty()) return nombre;
    return QCoreApplication::translate("velistra::Atajos", "%1 (%2)")
        .arg(nombre, atajos.front().toString(QKeySequence::NativeText));
}

}  // namespace velistra
