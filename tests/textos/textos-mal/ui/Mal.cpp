// A source the scan must refuse: one Spanish text left unmarked among marked ones.
#include <QString>

// "No se puede escribir el archivo." in a comment says nothing to the user.
QString Titulo() { return QObject::tr("Guardar el circuito"); }
const char* kFijo = "encender la fuente de la mesa";  // texto fijo
const char* kMarcado = VELISTRA_TEXTO("El chip no quedó sobre una protoboard.");
QString Aviso() { return QStringLiteral("No se encuentra el archivo de la mesa"); }
const char* kCodigo = "int4.0";
