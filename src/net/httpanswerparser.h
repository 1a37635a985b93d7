// SPDX-License-Identifier: MIT
#pragma once
#include <array>
#include <cstddef>
#include <string>
#include <vector>

// The receive side of HttpClient, free of any socket: bytes go into the free
// part of one 8192-byte buffer, are cut into header lines while the header
// is read, and pass through as body chunks afterwards. The caller decides
// what the outcome of each delivery means for the connection.
class HttpAnswerParser {
public:
    static constexpr std::size_t kBufferSize = 8192;

    enum class Request { Get, Post, Put, Head };
    enum class Phase { Header, Body, Finished };
    enum class Outcome {
        More,          // wants more bytes (header or body)
        Redirect,      // the header ended with a Location to follow
        NoBody,        // the header ended and no body follows (length 0, or HEAD)
        BodyComplete,  // the body reached its Content-Length
        Halted,        // halt() was called from an event
        HeaderTooLarge, // the header lines together passed HttpLimits::kHeaderBlock
        BadChunk,      // a chunked body broke its own framing
    };
    // Longest chunk-size or trailer line taken.
    static constexpr std::size_t kMaxChunkLine = 1024;

    // Told what the answer brings, as it comes. Events may call halt().
    class Events {
    public:
        virtual ~Events() = default;
        virtual void headerBegin() {}
        virtual void headerData() {}                       // after each header line
        virtual void cookie(const std::string& /*value*/) {}
        virtual void headerEnd() {}
        virtual void bodyBegins() {}                       // the body phase starts
        virtual void docBegin() {}                         // before the first chunk
        virtual void docData(const char* /*data*/, std::size_t /*size*/) {}
    };

    // What has been learnt of the answer so far.
    struct Answer {
        std::string version;       // "1.0" or "1.1" from the status line
        int status = 0;
        std::string reason;
        long long contentLength = -1; // -1: absent, negative or not a number
        std::string contentType;      // lower case
        std::vector<std::string> headerLines;
        bool redirect = false;
        std::string location;         // the Location value as sent
        std::string contentRangeBegin;
        std::string contentRangeEnd;
        std::string acceptRanges;
        std::vector<std::string> wwwAuthenticate;
        bool connectionClose = false; // "Connection: close"
        bool chunked = false;         // "Transfer-Encoding: ...chunked": its Content-Length is ignored
        long long receivedCount = 0;
        bool docStarted = false;
    };

    explicit HttpAnswerParser(Events& events) : m_events(events) {}

    // Expects a new answer. On a reused connection, `skipPrevious` is the
    // length of the previous answer's body: whatever of it has not come yet is
    // dropped before the new header.
    void start(Request request, long long skipPrevious = 0);

    // Receive into freeSpace(), at most freeSize() bytes, then call received().
    // A free size of 0 while reading the header means a line too long.
    [[nodiscard]] char* freeSpace() { return m_buffer.data() + m_used; }
    [[nodiscard]] std::size_t freeSize() const { return kBufferSize - m_used; }
    [[nodiscard]] bool lineTooLong() const { return m_phase == Phase::Header && m_used == kBufferSize; }
    Outcome received(std::size_t size);

    // Forgets what was learnt of the answer, leaving the connection's bytes alone.
    void clearAnswer() { m_answer = Answer{}; }

    // Stops the delivery in progress; received() then returns Halted.
    void halt() { m_halted = true; }

    [[nodiscard]] Phase phase() const { return m_phase; }
    [[nodiscard]] const Answer& answer() const { return m_answer; }

private:
    Outcome parseHeader();
    Outcome endHeader();
    Outcome deliverBody(const char* data, std::size_t size);
    Outcome deliverChunked(const char* data, std::size_t size);
    void deliverBytes(const char* data, std::size_t size);
    Outcome chunkLine(std::string line);
    void parseLine(const std::string& line);
    void parseField(const std::string& line);
    void consume(std::size_t count);
    void finish();

    Events& m_events;
    Request m_request = Request::Get;
    Phase m_phase = Phase::Finished;
    Answer m_answer;
    bool m_firstLine = true;
    bool m_halted = false;
    long long m_headerBytes = 0; // of this answer's header, interim answers included
    long long m_skip = 0;
    long long m_dropped = 0; // bytes that came after the end of the answer
    enum class ChunkStep { Size, Data, DataEnd, Trailer };
    ChunkStep m_chunkStep = ChunkStep::Size;
    long long m_chunkLeft = 0;
    std::string m_chunkLine; // a size or trailer line cut between deliveries
    std::array<char, kBufferSize> m_buffer{};
    std::size_t m_used = 0;
};
