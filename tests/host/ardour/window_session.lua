-- Creates a session of two tracks, "VST3" and "VST2", each with the plug-in
-- in that format and its parameters set, for ardour's own window to open.
-- Arguments: session folder, session name, plug-in name, and the parameters
-- as "index=value" pairs.
local dir, name, pluginName = arg[1], arg[2], arg[3]

local function fail (message)
	print ("PANDREL-ERROR " .. message)
	os.exit (1)
end

local backend = AudioEngine:set_backend ("None (Dummy)", "", "")
if not backend then fail ("no Dummy backend") end
-- The device ardour's window starts with: no question about a changed one.
backend:set_device_name ("Silence")
if not create_session (dir, name, 48000) then fail ("cannot create the session") end

for _, format in ipairs ({ { "VST3", ARDOUR.PluginType.VST3 }, { "VST2", ARDOUR.PluginType.LXVST } }) do
	local track = Session:new_audio_track (2, 2, nil, 1, format[1], -1, ARDOUR.TrackMode.Normal, true):front ()
	local proc = ARDOUR.LuaAPI.new_plugin (Session, pluginName, format[2], "")
	if proc:isnil () then fail ("plug-in not found: " .. format[1]) end
	for i = 4, #arg do
		local index, value = string.match (arg[i], "^(%d+)=([-%d.eE]+)$")
		if not index or not ARDOUR.LuaAPI.set_processor_param (proc, tonumber (index), tonumber (value)) then
			fail ("cannot set parameter " .. arg[i])
		end
	end
	if track:add_processor_by_index (proc, 0, nil, false) ~= 0 then fail ("cannot add the plug-in") end
	proc:activate ()
end

Session:save_state ("", false, false, false, false, false)
print ("PANDREL-SAVED")
close_session ()
