-- wrk script: score posts with a different name and score each time, and
-- a count of the posts the server accepted (status 200) over all threads.
-- Names carry a tag of the run, since the server keeps a post repeated
-- within an hour (same name, date and score from one client) once.
local threads = {}

function setup(thread)
    thread:set("id", #threads + 1)
    table.insert(threads, thread)
end

local digits = "0123456789abcdefghijklmnopqrstuvwxyz"
local function base36(n)
    local text = ""
    repeat
        local d = n % 36
        text = digits:sub(d + 1, d + 1) .. text
        n = (n - d) / 36
    until n == 0
    return text
end

function init(args)
    tag = base36(os.time() % 1296)
    accepted = 0
    refused = 0
    sent = 0
end

function request()
    sent = sent + 1
    local score = ((sent * 7919 + id * 104729) % 502) * 50
    return wrk.format("GET", string.format("/cgi-bin/pelbixsolo.cgi?name=%s%s%%20%s&date=3/7/26&score=%d", tag,
                                           base36(id), base36(sent), score))
end

function response(status, headers, body)
    if status == 200 then
        accepted = accepted + 1
    else
        refused = refused + 1
    end
end

function done(summary, latency, requests)
    local a, r = 0, 0
    for _, thread in ipairs(threads) do
        a = a + thread:get("accepted")
        r = r + thread:get("refused")
    end
    io.write(string.format("accepted %d\nrefused %d\n", a, r))
end
