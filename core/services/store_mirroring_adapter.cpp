#include "services/store_mirroring_adapter.h"

namespace tallyra {

StoreMirroringAdapter::StoreMirroringAdapter(StoreContainer& container, QObject* parent)
    : CloudMirroring(parent), m_container(container)
{
    connect(&container, &StoreContainer::mirroringEvent, this,
            [this](const MirroringEvent& event) { Q_EMIT eventReported(toSyncEvent(event)); });
    connect(&container, &StoreContainer::cloudAccountStatusChanged, this,
            [this](CloudAccountStatus status) {
                m_status = status;
                Q_EMIT accountChanged();
            });
}

bool StoreMirroringAdapter::hasAccount() const
{
    const auto status = m_status ? m_status : m_container.cloudAccountStatus();
    return status != CloudAccountStatus::noAccount && status != CloudAccountStatus::restricted;
}

CloudSyncEvent StoreMirroringAdapter::toSyncEvent(const MirroringEvent& event)
{
    CloudSyncEvent converted;
    converted.id = event.id;
    switch (event.type) {
    case MirroringEvent::Type::setup:
        converted.kind = CloudSyncEvent::Kind::setup;
        break;
    case MirroringEvent::Type::incoming:
        converted.kind = CloudSyncEvent::Kind::incoming;
        break;
    case MirroringEvent::Type::outgoing:
        converted.kind = CloudSyncEvent::Kind::outgoing;
        break;
    }
    converted.ended = event.ended;
    converted.succeeded = event.succeeded;
    converted.error = event.error;
    return converted;
}

} // namespace tallyra
