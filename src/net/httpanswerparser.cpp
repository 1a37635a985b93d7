// SPDX-License-Identifier: MIT
#include "net/httpanswerparser.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <utility>

#include "net/httpfield.h"
#include "net/httplimits.h"

namespace {

constexpr std::size_t kStatusLinePrefix = 8; // "HTTP/1.x"
constexpr std::size_t kVersionAt = 5;
constexpr std::size_t kStatusAt = 9;
constexpr std::size_t kReasonAt = 13;
constexpr std::size_t kRangeValueAt = 6;   // after "bytes "

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

int parseStatus(const std::string& line)
{
    if (line.size() < kStatusAt + 3)
        return 0;
    int status = 0;
    for (std::size_t i = kStatusAt; i < kStatusAt + 3; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(line[i])))
            return 0;
        status = status * 10 + (line[i] - '0');
    }
    return status;
}

} // namespace

void HttpAnswerParser::start(Request request, long long skipPrevious)
{
    m_request = request;
    m_answer = Answer{};
    m_phase = Phase::Header;
    m_firstLine = true;
    m_halted = false;
    m_headerBytes = 0;
    m_used = 0;
    m_skip = std::max(0LL, skipPrevious - m_dropped);
    m_dropped = 0;
    m_chunkStep = ChunkStep::Size;
    m_chunkLeft = 0;
    m_chunkLine.clear();
}

HttpAnswerParser::Outcome HttpAnswerParser::received(std::size_t size)
{
    m_used += std::min(size, freeSize());
    m_halted = false;
    if (m_skip > 0) {
        const auto skipped = static_cast<std::size_t>(std::min<long long>(m_skip, static_cast<long long>(m_used)));
        consume(skipped);
        m_skip -= static_cast<long long>(skipped);
    }
    if (m_phase == Phase::Header) {
        const Outcome outcome = parseHeader();
        // An event may have halted the answer as its body began: none of it is delivered.
        if (m_halted)
            return Outcome::Halted;
        if (m_phase != Phase::Body)
            return outcome;
    }
    if (m_phase == Phase::Body) {
        const std::size_t chunk = m_used;
        m_used = 0;
        const Outcome outcome = deliverBody(m_buffer.data(), chunk);
        return m_halted ? Outcome::Halted : outcome;
    }
    finish();
    return Outcome::More;
}

HttpAnswerParser::Outcome HttpAnswerParser::parseHeader()
{
    while (m_phase == Phase::Header) {
        if (m_halted)
            return Outcome::Halted;
        const char* end = static_cast<const char*>(std::memchr(m_buffer.data(), '\n', m_used));
        if (!end)
            return Outcome::More;
        const auto lineEnd = static_cast<std::size_t>(end - m_buffer.data());
        std::string line(m_buffer.data(), lineEnd);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        consume(lineEnd + 1);
        // Short lines without end must not add up to an endless header.
        m_headerBytes += static_cast<long long>(lineEnd + 1);
        if (m_headerBytes > HttpLimits::kHeaderBlock) {
            finish();
            return Outcome::HeaderTooLarge;
        }

        if (m_firstLine)
            m_events.headerBegin();
        if (m_firstLine && HttpField::startsWithNoCase(line, "<html>")) {
            // No header at all: the page itself starts here.
            if (m_answer.contentType.empty())
                m_answer.contentType = "text/html";
            m_phase = Phase::Body;
            m_events.bodyBegins();
            const Outcome outcome = deliverBody(line.data(), line.size());
            if (outcome != Outcome::More)
                return outcome;
            return m_halted ? Outcome::Halted : Outcome::More;
        }
        if (line.empty()) {
            const Outcome outcome = endHeader();
            if (outcome != Outcome::More)
                return outcome;
            continue;
        }
        parseLine(line);
        m_firstLine = false;
    }
    return Outcome::More;
}

HttpAnswerParser::Outcome HttpAnswerParser::endHeader()
{
    if (m_answer.version == "1.1" && m_answer.status == 100) {
        // An interim answer: the real status line follows.
        m_answer.headerLines.clear();
        m_answer.status = 0;
        m_answer.version.clear();
        m_answer.reason.clear();
        m_firstLine = true;
        return Outcome::More;
    }
    if (m_answer.redirect) {
        m_events.headerEnd();
        finish();
        return Outcome::Redirect;
    }
    // The chunks tell where the body ends; a length beside them would only mislead.
    if (m_answer.chunked)
        m_answer.contentLength = -1;
    if (m_answer.contentLength == 0 || m_request == Request::Head) {
        m_events.headerEnd();
        finish();
        return Outcome::NoBody;
    }
    m_phase = Phase::Body;
    m_events.bodyBegins();
    m_events.headerEnd();
    return Outcome::More;
}

void HttpAnswerParser::deliverBytes(const char* data, std::size_t size)
{
    if (size == 0)
        return;
    if (!m_answer.docStarted) {
        m_answer.docStarted = true;
        m_events.docBegin();
    }
    m_answer.receivedCount += static_cast<long long>(size);
    m_events.docData(data, size);
}

HttpAnswerParser::Outcome HttpAnswerParser::deliverChunked(const char* data, std::size_t size)
{
    std::size_t at = 0;
    while (at < size && !m_halted) {
        if (m_chunkStep == ChunkStep::Data) {
            const auto take =
                static_cast<std::size_t>(std::min<long long>(m_chunkLeft, static_cast<long long>(size - at)));
            deliverBytes(data + at, take);
            at += take;
            m_chunkLeft -= static_cast<long long>(take);
            if (m_chunkLeft == 0)
                m_chunkStep = ChunkStep::DataEnd;
            continue;
        }
        const auto* end = static_cast<const char*>(std::memchr(data + at, '\n', size - at));
        const std::size_t lineEnd = end ? static_cast<std::size_t>(end - data) : size;
        m_chunkLine.append(data + at, lineEnd - at);
        at = end ? lineEnd + 1 : size;
        if (m_chunkLine.size() > kMaxChunkLine) {
            finish();
            return Outcome::BadChunk;
        }
        if (!end)
            break;
        const Outcome outcome = chunkLine(std::exchange(m_chunkLine, std::string()));
        if (outcome == Outcome::BodyComplete)
            m_dropped += static_cast<long long>(size - at); // after the answer: nobody's
        if (outcome != Outcome::More)
            return outcome;
    }
    return Outcome::More;
}

HttpAnswerParser::Outcome HttpAnswerParser::chunkLine(std::string line)
{
    constexpr std::size_t kMaxSizeDigits = 15; // stays inside a 64-bit integer
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    switch (m_chunkStep) {
    case ChunkStep::Size: {
        // Hex digits, then optional blanks and ";extensions", which mean nothing to us.
        long long chunk = 0;
        std::size_t digits = 0;
        while (digits < line.size() && std::isxdigit(static_cast<unsigned char>(line[digits]))) {
            const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(line[digits])));
            if (digits < kMaxSizeDigits)
                chunk = chunk * 16 + (c <= '9' ? c - '0' : c - 'a' + 10);
            ++digits;
        }
        std::size_t rest = digits;
        while (rest < line.size() && (line[rest] == ' ' || line[rest] == '\t'))
            ++rest;
        if (digits == 0 || digits > kMaxSizeDigits || (rest < line.size() && line[rest] != ';'))
            break;
        m_chunkLeft = chunk;
        m_chunkStep = chunk == 0 ? ChunkStep::Trailer : ChunkStep::Data;
        return Outcome::More;
    }
    case ChunkStep::DataEnd:
        if (!line.empty())
            break;
        m_chunkStep = ChunkStep::Size;
        return Outcome::More;
    case ChunkStep::Trailer:
        if (line.empty()) {
            finish();
            return Outcome::BodyComplete;
        }
        // Trailer lines count against the header block, so they cannot go on for ever.
        m_headerBytes += static_cast<long long>(line.size()) + 1;
        if (m_headerBytes <= HttpLimits::kHeaderBlock)
            return Outcome::More;
        break;
    case ChunkStep::Data:
        break;
    }
    finish();
    return Outcome::BadChunk;
}

HttpAnswerParser::Outcome HttpAnswerParser::deliverBody(const char* data, std::size_t size)
{
    if (m_answer.chunked)
        return deliverChunked(data, size);
    if (m_answer.contentLength >= 0) {
        // Bytes past the announced length belong to nobody.
        const long long remaining = m_answer.contentLength - m_answer.receivedCount;
        if (static_cast<long long>(size) > remaining) {
            m_dropped += static_cast<long long>(size) - remaining;
            size = static_cast<std::size_t>(remaining);
        }
    }
    deliverBytes(data, size);
    if (m_answer.contentLength >= 0 && m_answer.receivedCount >= m_answer.contentLength) {
        finish();
        return Outcome::BodyComplete;
    }
    return Outcome::More;
}

void HttpAnswerParser::parseLine(const std::string& line)
{
    m_answer.headerLines.push_back(line);
    if (m_firstLine) {
        if (line.compare(0, kStatusLinePrefix, "HTTP/1.0") == 0 || line.compare(0, kStatusLinePrefix, "HTTP/1.1") == 0) {
            m_answer.version = line.substr(kVersionAt, 3);
            m_answer.status = parseStatus(line);
            m_answer.reason = line.size() > kReasonAt ? line.substr(kReasonAt) : std::string();
        }
    } else if (line.find(':') != std::string::npos) {
        parseField(line);
    }
    m_events.headerData();
}

void HttpAnswerParser::parseField(const std::string& line)
{
    const auto colon = line.find(':');
    const std::string name = lower(line.substr(0, colon));
    auto valueAt = colon + 1;
    while (valueAt < line.size() && line[valueAt] == ' ')
        ++valueAt;
    const std::string value = line.substr(valueAt);

    if (name == "location") {
        m_answer.location = value;
        // The answer to a PUT names where the document now lives; anything else moves us.
        m_answer.redirect = m_request != Request::Put;
    } else if (name == "content-length") {
        m_answer.contentLength = HttpField::contentLength(value);
    } else if (name == "content-range") {
        // "bytes 0-99/200": 0 and 99.
        const auto dash = value.find('-', kRangeValueAt);
        const auto slash = value.find('/', dash == std::string::npos ? value.size() : dash);
        if (value.size() > kRangeValueAt)
            m_answer.contentRangeBegin = value.substr(kRangeValueAt, dash == std::string::npos ? std::string::npos : dash - kRangeValueAt);
        if (dash != std::string::npos)
            m_answer.contentRangeEnd = value.substr(dash + 1, slash == std::string::npos ? std::string::npos : slash - dash - 1);
    } else if (name == "accept-ranges") {
        m_answer.acceptRanges = value;
    } else if (name == "content-type") {
        m_answer.contentType = lower(value);
    } else if (name == "www-authenticate") {
        m_answer.wwwAuthenticate.push_back(value);
    } else if (name == "set-cookie") {
        m_events.cookie(value);
    } else if (name == "transfer-encoding") {
        // Only the last coding says how the message ends.
        std::string codings = lower(value);
        codings.erase(codings.find_last_not_of(" \t") + 1);
        m_answer.chunked = codings.size() >= 7 && codings.compare(codings.size() - 7, 7, "chunked") == 0;
    } else if (name == "connection") {
        m_answer.connectionClose = lower(value).find("close") != std::string::npos;
    }
}

void HttpAnswerParser::consume(std::size_t count)
{
    std::memmove(m_buffer.data(), m_buffer.data() + count, m_used - count);
    m_used -= count;
}

void HttpAnswerParser::finish()
{
    m_phase = Phase::Finished;
    m_dropped += static_cast<long long>(m_used);
    m_used = 0;
}
