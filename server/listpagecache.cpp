// SPDX-License-Identifier: MIT
#include "server/listpagecache.h"

#include "server/listpage.h"
#include "server/scorestore.h"
#include "server/storeerror.h"

ListPageCache::ListPageCache(std::chrono::milliseconds maxAge) : m_maxAge(maxAge) {}

ListPageCache::View ListPageCache::current(Clock::time_point now) const
{
    const std::lock_guard lock(m_mutex);
    return {m_page, !m_tried || now - m_rendered >= m_maxAge};
}

bool ListPageCache::refresh(ScoreStore& store, Clock::time_point now, std::string* failure)
{
    std::shared_ptr<const std::string> page;
    bool rendered = true;
    try {
        page = std::make_shared<const std::string>(renderListPage(store.best(kListRows)));
    } catch (const StoreError& error) {
        rendered = false;
        if (failure != nullptr)
            *failure = error.what();
    }
    const std::lock_guard lock(m_mutex);
    if (page)
        m_page = std::move(page);
    m_rendered = now;
    m_tried = true;
    return rendered;
}
