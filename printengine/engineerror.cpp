#include "engineerror.h"

EPrintEngineError::EPrintEngineError(std::uint8_t kind) : EFretcardError(MessageFor(kind)), m_kind(kind) {}

QString EPrintEngineError::MessageFor(std::uint8_t kind)
{
    switch (kind) {
    case DocumentNotOpen:
        return QStringLiteral("The print document is not open. You need to call OpenDoc prior to this operation.");
    case DocumentOpen:
        return QStringLiteral(
            "The print document is open. The document needs to be closed prior to this operation.");
    case ValueNotRetrieved:
        return QStringLiteral("The value could not be retrieved. Possible causes: Field/Control not found, "
                              "Datatype Conversion Impossible or Out of Memory.");
    case ValueNotSet:
        return QStringLiteral("The value could not be set. Possible causes: Field/Control not found, "
                              "Datatype Conversion Impossible or Out of Memory.");
    case TemplateNotLoaded:
        return QStringLiteral("The template file could not be loaded. Possible causes: file not found, wrong "
                              "version or engine edition, or Out of Memory.");
    case InvalidObjectHandle:
        return QStringLiteral("The handle to the object is invalid. It does not point to a valid print engine "
                              "object. Probably the method/property that returned the object has failed.");
    default:
        return QStringLiteral("Print engine error %1").arg(kind);
    }
}
