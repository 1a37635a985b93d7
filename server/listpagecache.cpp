#include "server/listpagecache.h"

#include "server/listpage.h"
#include "server/scorestore.h"

ListPageCache::ListPageCache(ScoreStore& store, std::chrono::milliseconds maxAge) : m_store(store), m_maxAge(maxAge)
{
}

std::shared_ptr<const std::string> ListPageCache::page()
{
    const std::lock_guard lock(m_mutex);
    const auto now = Clock::now();
    if (!m_page || now - m_rendered >= m_maxAge) {
        m_page = std::make_shared<const std::string>(renderListPage(m_store.best(kListRows)));
        m_rendered = now;
    }
    return m_page;
}

void ListPageCache::invalidate()
{
    // Taking the lock waits out a render that may have read the table just
    // before the new score went in.
    const std::lock_guard lock(m_mutex);
    m_page.reset();
}
