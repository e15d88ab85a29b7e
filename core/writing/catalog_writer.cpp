#include "writing/catalog_writer.h"

namespace tallyra {

CatalogWriter::CatalogWriter(StoreContext& context, QTimeZone zone,
                             NotificationCenter* notifications)
    : m_undo(context, notifications), m_frame(m_undo), m_categories(m_frame),
      m_accounts(m_frame, WriteCalendar(std::move(zone))), m_plans(context)
{
}

} // namespace tallyra
