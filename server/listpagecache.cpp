#include "server/listpagecache.h"

#include "server/listpage.h"
#include "server/scorestore.h"
#include "server/storeerror.h"

ListPageCache::ListPageCache(ScoreStore& store, std::chrono::milliseconds maxAge) : m_store(store), m_maxAge(maxAge)
{
}

std::shared_ptr<const std::string> ListPageCache::page()
{
    const std::lock_guard lock(m_mutex);
    const auto now = Clock::now();
    if (!m_page || m_stale || now - m_rendered >= m_maxAge) {
        try {
            m_page = std::make_shared<const std::string>(renderListPage(m_store.best(kListRows)));
        } catch (const StoreError&) {
            // While the database is away the last page is better than none.
            if (!m_page)
                throw;
            // Ask the store again only after maxAge, not on every request.
            m_rendered = now;
            m_stale = false;
            return m_page;
        }
        m_rendered = now;
        m_stale = false;
    }
    return m_page;
}

void ListPageCache::invalidate()
{
    // Taking the lock waits out a render that may have read the table just
    // before the new score went in.
    const std::lock_guard lock(m_mutex);
    m_stale = true;
}
