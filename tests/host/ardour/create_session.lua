-- Creates a session with a recorded stereo take, puts the plug-in on the
-- track with its parameters set before it is activated, and saves the session.
-- Arguments: session folder, session name, plug-in name, plug-in type
-- ("LXVST" or "VST3"), tempo in BPM, seconds to record, and the parameters as
-- "index=value" pairs.
local dir, name, pluginName, pluginType, bpm, seconds = arg[1], arg[2], arg[3], arg[4], tonumber (arg[5]), tonumber (arg[6])

local function fail (message, code)
	print ("PANDREL-ERROR " .. message)
	os.exit (code or 1)
end

-- Exit code for a take the backend broke up (it dropped out while recording):
-- the host's hiccup, worth one more try.
local brokenTake = 3

-- The Dummy backend plays noise into the track's inputs while it records.
local backend = AudioEngine:set_backend ("None (Dummy)", "", "")
if not backend then fail ("no Dummy backend") end
backend:set_device_name ("Pink Noise")

if not create_session (dir, name, 48000) then fail ("cannot create the session") end

local map = Temporal.TempoMap.fetch_writable ()
map:set_tempo (Temporal.Tempo (bpm, bpm, 4), Temporal.timepos_t (0))
Temporal.TempoMap.update (map)

-- Waits until done () holds, for at most ten seconds.
local function await (what, done)
	for _ = 1, 200 do
		if done () then return end
		ARDOUR.LuaAPI.usleep (50000)
	end
	fail ("timed out waiting for " .. what)
end

local track = Session:new_audio_track (2, 2, nil, 1, "Take", -1, ARDOUR.TrackMode.Normal, true):front ()
track:rec_enable_control ():set_value (1, PBD.GroupControlDisposition.NoGroup)
Session:maybe_enable_record (false)
await ("recording to be armed", function () return Session:record_status () == ARDOUR.Session.RecordState.Enabled end)
Session:request_roll (ARDOUR.TransportRequestSource.TRS_UI)
await ("recording to start", function () return Session:actively_recording () end)
ARDOUR.LuaAPI.usleep (math.floor (seconds * 1000000))
Session:request_stop (false, false, ARDOUR.TransportRequestSource.TRS_UI)
await ("the transport to stop", function () return not Session:transport_rolling () end)
await ("the take", function () return track:playlist ():region_list ():size () > 0 end)
track:rec_enable_control ():set_value (0, PBD.GroupControlDisposition.NoGroup)
Session:disable_record (false, false)
if track:playlist ():region_list ():size () ~= 1 then fail ("more than one take", brokenTake) end

-- From here on the track hears only its take: the backend's noise would
-- otherwise reach the plug-in whenever the transport stands. The session
-- also notes a silent device for the programs that open it later: with the
-- noise device ardour's export tool starts plug-ins on another schedule.
track:input ():disconnect_all (nil)
if backend:set_device_name ("Silence") ~= 0 then fail ("cannot note the silent device") end

local types = { LXVST = ARDOUR.PluginType.LXVST, VST3 = ARDOUR.PluginType.VST3 }
local proc = ARDOUR.LuaAPI.new_plugin (Session, pluginName, types[pluginType], "")
if proc:isnil () then fail ("plug-in not found: " .. pluginName) end

for i = 7, #arg do
	local index, value = string.match (arg[i], "^(%d+)=([-%d.eE]+)$")
	if not index or not ARDOUR.LuaAPI.set_processor_param (proc, tonumber (index), tonumber (value)) then
		fail ("cannot set parameter " .. arg[i])
	end
end

if track:add_processor_by_index (proc, 0, nil, false) ~= 0 then fail ("cannot add the plug-in") end
proc:activate ()

Session:save_state ("", false, false, false, false, false)
print ("PANDREL-SAVED")
close_session ()
