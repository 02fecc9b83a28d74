-- Opens a saved session, prints the parameters of the plug-in on its track as
-- the plug-in restored them, and saves the session again.
-- Arguments: session folder, session name.
local dir, name = arg[1], arg[2]

local function fail (message)
	print ("PANDREL-ERROR " .. message)
	os.exit (1)
end

local backend = AudioEngine:set_backend ("None (Dummy)", "", "")
if not backend then fail ("no Dummy backend") end
if not load_session (dir, name) then fail ("cannot open the session") end

local track = Session:route_by_name ("Take")
if track:isnil () then fail ("no track") end
local proc = track:nth_plugin (0)
if proc:isnil () or proc:to_insert ():isnil () then fail ("no plug-in on the track") end
print ("PANDREL-PLUGIN " .. proc:name ())

local plugin = proc:to_insert ():plugin (0)
for i = 0, plugin:parameter_count () - 1 do
	print (string.format ("PANDREL-PARAMETER %d %.9g", i, ARDOUR.LuaAPI.get_processor_param (proc, i)))
end

Session:save_state ("", false, false, false, false, false)
print ("PANDREL-SAVED")
close_session ()
