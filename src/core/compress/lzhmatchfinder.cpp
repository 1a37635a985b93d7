#include "core/compress/lzhmatchfinder.h"

LzhMatchFinder::LzhMatchFinder()
{
    for (int i = 0; i < kRingSize - kMaxMatch; ++i)
        m_text[i] = ' ';
    for (int i = kFirstRoot; i < kFirstRoot + 256; ++i)
        m_right[i] = kNil;
    for (int i = 0; i < kRingSize; ++i)
        m_parent[i] = kNil;
}

void LzhMatchFinder::insert(int r)
{
    const uint8_t* key = &m_text[r];
    int cmp = 1;
    int p = kFirstRoot + key[0];
    m_right[r] = m_left[r] = kNil;
    m_matchLength = 0;
    for (;;) {
        if (cmp >= 0) {
            if (m_right[p] == kNil) {
                m_right[p] = r;
                m_parent[r] = p;
                return;
            }
            p = m_right[p];
        } else {
            if (m_left[p] == kNil) {
                m_left[p] = r;
                m_parent[r] = p;
                return;
            }
            p = m_left[p];
        }
        const uint8_t* other = &m_text[p];
        int i = 1;
        for (; i < kMaxMatch; ++i) {
            cmp = int(key[i]) - int(other[i]);
            if (cmp != 0)
                break;
        }
        if (i > kThreshold) {
            const int position = ((r - p) & (kRingSize - 1)) - 1;
            if (i > m_matchLength) {
                m_matchPosition = position;
                m_matchLength = i;
                if (i >= kMaxMatch)
                    break;
            } else if (i == m_matchLength && position < m_matchPosition) {
                m_matchPosition = position;
            }
        }
    }
    // r matches p in full: r takes p's place, the older p leaves the tree.
    m_parent[r] = m_parent[p];
    m_left[r] = m_left[p];
    m_right[r] = m_right[p];
    m_parent[m_left[p]] = r;
    m_parent[m_right[p]] = r;
    if (m_right[m_parent[p]] == p)
        m_right[m_parent[p]] = r;
    else
        m_left[m_parent[p]] = r;
    m_parent[p] = kNil;
}

void LzhMatchFinder::remove(int p)
{
    if (m_parent[p] == kNil)
        return;
    int q;
    if (m_right[p] == kNil) {
        q = m_left[p];
    } else if (m_left[p] == kNil) {
        q = m_right[p];
    } else {
        q = m_left[p];
        if (m_right[q] != kNil) {
            do {
                q = m_right[q];
            } while (m_right[q] != kNil);
            m_right[m_parent[q]] = m_left[q];
            m_parent[m_left[q]] = m_parent[q];
            m_left[q] = m_left[p];
            m_parent[m_left[p]] = q;
        }
        m_right[q] = m_right[p];
        m_parent[m_right[p]] = q;
    }
    m_parent[q] = m_parent[p];
    if (m_right[m_parent[p]] == p)
        m_right[m_parent[p]] = q;
    else
        m_left[m_parent[p]] = q;
    m_parent[p] = kNil;
}
