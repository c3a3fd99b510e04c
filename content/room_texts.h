// The passages of the book's thirty sections, one per room; each is shown as written.
// Conventions: the text begins with two blanks, each paragraph is one line starting with two
// blanks, and the text ends with a line feed; the endings close with a blank line and "  THE END".
#pragma once

namespace content {

// Section 1 (about 2023 characters): start: before dawn a knock wakes the player, an agent on an
// anti-terror task force; a wrapped parcel stands at the door with an envelope, wire cutters and a
// box-knife
inline constexpr char kRoomText01[] =
    R"~(  The knock comes at ten to five: three hard raps on your door, then nothing. You are awake before the third one lands, lying very still in the dark of your apartment, listening. Nobody knocks on a fifth-floor door at this hour with good news, and in your line of work nobody knocks at all. The task force phones, or it sends a car.
  For six years you have served on the city's anti-terror task force. You have stood behind the tape while the bomb squad worked, and you have learned that the quiet ones are the ones to fear. The knock is not repeated. There are no footsteps on the landing, no voice, no whine of the lift.
  You pull on yesterday's clothes, take the torch from the bedside drawer and go to the door without switching on a light. The spy-hole shows an empty corridor lit by the one weak bulb the landlord never replaces. You wait a full minute. Then you slide back the chain, turn the lock and open the door a hand's width.
  On the mat stands a parcel. It is a cardboard box about the size of a small suitcase, wrapped in brown paper and tied with string. There is no stamp, no postmark, no courier's label. A white envelope is taped flat to the top, and your name is typed across it in capitals. Beside the envelope, laid out neatly, are a pair of red-handled wire cutters and a box-knife with its blade drawn in.
  Someone has brought you a puzzle, and the tools to solve it with. You know exactly what the tools mean: whoever left this wants it opened, and wants you to be the one who opens it.
  You crouch beside it and play the torch over the paper. No wires show, no grease stains, no smell of almonds. The box does not tick, but that tells you nothing; nothing built in the last twenty years ticks. The bomb squad is forty minutes away at this time of night, and whoever knocked knew that too.
  You slip the cutters and the knife into your pocket. Then you look again at the envelope with your name on it. It may tell you what you are up against. Carefully, with two fingers, you begin to lift it from the box.
)~";

// Section 2 (about 1561 characters): under the foil: the explosive, the battery pack, the control
// board and a radio transmitter with a loop aerial; about three minutes left
inline constexpr char kRoomText02[] =
    R"~(  You leave the switches alone and work your fingertips under the edge of the foil. It peels back in stiff, crackling strips, and the device lies open in front of you like the works of a watch.
  Most of the box is taken up by the explosive itself: pale grey blocks, soft as putty, packed tight and bound with tape. A detonator is pushed into the nearest block, its leads running off into the tangle. To the left sits the battery pack, six cells taped together in a plastic housing, with a fat twisted bundle of wires coming out of it. In the middle lies a small green control board studded with chips, and from the back of the switch panel a row of thin wires runs down to it, two from each switch.
  In the far corner, glued to the side of the box, is something no one needs in a bomb meant for a single apartment: a radio transmitter no bigger than a cigarette packet, with a loop aerial of copper wire coiled around the inside walls. A tiny green light on it glows steady. This is the voice the letter spoke of, the one the other bombs are waiting to hear.
  The display on the panel reads 3:04. About three minutes. Your hands are steady, which surprises you. You have the cutters, the box-knife and a dozen ways to be wrong. You could cut the wires from the timer switches to the control board and stop the clock. You could smash the board itself. You could take a closer look at the battery pack first. The letter told you to leave the radio alone, but letters can lie. Or you could pick the whole thing up and get it out of the building.
)~";

// Section 3 (about 581 characters): the player gives up and runs for the stairs with less than a
// minute left
inline constexpr char kRoomText03[] =
    R"~(  It is a bluff. It has to be. Nobody could plant bombs all over the city and tie every one of them to a parcel on your doormat. You drop the cutters and run.
  The stairwell is empty now, the alarm still shrieking. You take the steps three at a time, one hand on the rail, counting the floors as they turn past: four, three, two. Above you the display is falling through its last forty seconds.
  Whether you get out may depend on something this book cannot see, so it has to ask you. Be honest: how many times have you had to restart this story before reaching this page?
)~";

// Section 4 (about 679 characters): losing: cutting into the side of the box sets the bomb off
inline constexpr char kRoomText04[] =
    R"~(  You decide against the lid; lids are where bomb makers hide their traps. Instead you lay the box-knife against the side of the box, low down, and begin to cut a small square window through the cardboard, just big enough to shine the torch through.
  The blade goes in easily. It goes in too easily. On the second stroke you feel it snag on something fine and taut stretched just inside the wall, a hair-thin wire laced through the cardboard like a spider's web, and before you can stop your hand it parts.
  You never hear the explosion. A white light fills the corridor and the world, and then there is nothing at all. Whoever built the box expected curiosity, and lined its walls to meet it.
)~";

// Section 5 (about 583 characters): losing: cutting the detonator leads; a hidden second detonator
// fires
inline constexpr char kRoomText05[] =
    R"~(  Forget the bundle. The two thin wires that run straight to the detonator are the only ones that matter: no current to the detonator, no blast. You slip the cutters around both of them and squeeze.
  They part cleanly, and the detonator sits dead in its block. For one second you let yourself breathe.
  What you cannot see is the second detonator, buried deep on the far side of the grey blocks. The board was watching the first one all along, and the moment its leads went dead it sent the current down the other path. The blocks go up around it, and you with them.
)~";

// Section 6 (about 509 characters): losing: pressing the disarm switch
inline constexpr char kRoomText06[] =
    R"~(  DISARM. It is written there in plain letters, as if the builder had a conscience after all. You know better than to trust a label, but the seconds are draining away, and a switch that promises exactly what you want is hard to resist. You press it, hard, and hold it down.
  There is a tiny click, and the red numbers of the countdown vanish. In their place the display spells out a single word: GOODBYE. The builder had no conscience, only a sense of humour. The blast comes before you can even rise from your knees.
)~";

// Section 7 (about 484 characters): losing: the reset switch's wires are cut
inline constexpr char kRoomText07[] =
    R"~(  You choose the red pair. The reset switch is the one most likely to be tied to the timer, you reason, and with its wires gone the clock will have nothing left to count for. You close the cutters, and the wires part with a tiny snap. Nothing happens, and for a moment you let yourself believe it.
  Then the display jumps straight to 0:00. The control board, it seems, reads a broken reset line as an order to finish the count at once. You have about half a second to admire the logic of it.
)~";

// Section 8 (about 981 characters): a closer look at the battery pack and its wires; a little over
// two minutes left
inline constexpr char kRoomText08[] =
    R"~(  You bend close over the battery pack with the torch in your teeth. Six cells are taped together in their housing, and out of it comes a fat bundle of twisted wires, red and black and green, bound so tight you cannot tell which wire goes where. Most of them seem to run to the control board. Two single wires, thinner than the rest, run straight from the pack to the detonator in the explosive. Another pair leads off to the far corner and the little radio transmitter.
  The display reads 2:12. A little over two minutes, and falling faster than seems fair.
  Everything this bomb does, it does with the power in that pack. Take the power away and the bomb is dead. The only question is how to do it without waking the rest. You could tear the whole bundle out of the housing in one go. You could cut just the two single wires to the detonator. You could cut the transmitter's wires and silence the radio. Or you could leave the wires for now and take a proper look at the transmitter first.
)~";

// Section 9 (about 1734 characters): ending: the player escapes and the other bombs in the city
// stay silent
inline constexpr char kRoomText09[] =
    R"~(  You take the stairs faster than you have ever taken anything, the alarm still ringing, the rail burning your palm as you swing around each landing. The front doors give at the first push, and then you are out in the cold grey street and running for the trees of the park, where your neighbours stand huddled in their coats.
  You are still running when the building goes.
  The windows of the fifth floor blow out in a single sheet of fire, and a heartbeat later the sound punches across the park and knocks you to your knees on the wet grass. Glass and brick rain down into the street. Car alarms wail along the block. Smoke rolls up into the dawn, thick and black, and behind you someone is crying and someone else is laughing the helpless laugh of people who cannot believe they are alive.
  You get to your feet and turn to look at the city. East over the rooftops, north toward the towers, south toward the river. You wait for the other glows to rise, for the far-off thud of the others answering.
  Nothing. The city lies quiet under the paling sky, its streetlamps going out one by one.
  Your phone rings. It is the duty officer, and her voice is not steady. Acting on your warning, the squads have already found two more parcels, one in the basement of a hospital, one under the stands of the railway station, each with a small radio receiver wired to its detonator and tuned to a frequency that never carried the order. Both are being made safe as she speaks.
  You sit down on a park bench in yesterday's clothes and watch the fire engines arrive. Your apartment is gone, and everything in it. But the voice in the box never reached the others, and the city wakes this morning as it did yesterday, never knowing how close it came.

  THE END
)~";

// Section 10 (about 988 characters): the player decides to carry the bomb to the dumpsters across
// the park
inline constexpr char kRoomText10[] =
    R"~(  You cannot disarm what you do not understand, and you do not understand this. But you know what a blast does in a stairwell of brick and concrete, and what it does in the open air. Across the street, on the far side of the park, stand the big steel dumpsters where the block's rubbish is collected. They are thick-walled, they are empty at this hour, and there is nobody near them.
  If you can get the box down the stairs and across the grass in under three minutes, the steel will swallow most of the blast and the building will stand. You do not think about the radio, or about the letter's other bombs. One thing at a time.
  You fold the flaps of the box back over the foil, push the cutters into your pocket and kneel in front of it. You work your fingers under the corners of the base the way you would lift a heavy crate, bend your knees, keep your back straight, and take a breath.
  Five floors down. Across the road. Across the park. You set your jaw, and lift.
)~";

// Section 11 (about 475 characters): losing: pressing the reset switch
inline constexpr char kRoomText11[] =
    R"~(  Reset. If the clock can be reset, it can be set back to five minutes, and five more minutes would bring the bomb squad that much closer. You press the switch marked RESET.
  The display flickers. For a moment it reads 0:00, and you have time to hope that perhaps it has stopped. Then you understand that resetting is exactly what it has done: it has reset the count to its very end. The white flash reaches you before the thought is even finished, and then there is nothing.
)~";

// Section 12 (about 672 characters): the player turns the transmitter's tuning wheel to change its
// frequency
inline constexpr char kRoomText12[] =
    R"~(  You do not need to silence the voice, only to make sure nobody hears it. The other bombs are listening on one frequency, the one marked with the white scratch. Whoever built them had to pick one and stick to it. Move the transmitter off it, and its last word will go out to empty air.
  You set your fingertip against the little knurled wheel. It is stiff, and for a moment you fear it has been glued. Then it gives with a tiny gritty click, and you turn it slowly, click by click, away from the scratch, past the numbers on the scale, all the way round until it stops hard against its end. The green light flickers once, and you stop breathing. Then it glows steady again.
)~";

// Section 13 (about 997 characters): losing: tearing out the battery wires; a hidden second battery
// fires
inline constexpr char kRoomText13[] =
    R"~(  There is no time to trace a dozen wires one by one. You take the twisted bundle in your fist where it leaves the battery housing, brace your other hand against the box, and tear. The wires come away with a rip of solder and plastic, leaving a row of bare, empty terminals.
  The display goes dark. The hum stops. You sit back on your heels, and for two or three seconds the only sound in the building is your own breathing. The clock is dead. The bomb is dead. You have done it, and your hands only start to shake now that it is over.
  Then, from deep under the grey blocks, a new light shows through a gap in the foil. It is small and amber, and it was not there before. You pull the foil back with shaking fingers and find a second battery, flat as a playing card, tucked beneath the explosive and wired to its own little switch. The builder expected someone to go for the obvious pack. The second battery was simply waiting for the first one to die.
  Its switch closes while you are still looking at it.
)~";

// Section 14 (about 649 characters): losing: smashing the control board
inline constexpr char kRoomText14[] =
    R"~(  The control board is the brain of the thing. Without it the timer is only a clock and the battery only a battery. You turn the box-knife around in your fist and bring the heavy end of the handle down on the green board with all your strength.
  The board cracks across. Chips skitter over the foil, and for a moment you think you have done it. But a brain that expects to be attacked can be taught what to do when it is: the builder wired the detonator to fire the instant any track on that board was broken. From somewhere under the chips comes a single sharp tick, like a fingernail on glass. The blast takes the apartment, the landing and you.
)~";

// Section 15 (about 485 characters): losing: the on/off switch's wires are cut
inline constexpr char kRoomText15[] =
    R"~(  You choose the yellow pair. Cut the on/off line, you reason, and the board can be switched neither on nor off: it will simply sit there, frozen. You set the cutters and squeeze. The wires part with a snap that sounds too loud in the empty building.
  The board is not frozen. The instant its on/off line goes dead, it does what it was built to do when anyone meddles with it, and sends the current straight to the detonator. The last thing you see is the green light on the transmitter, flashing once.
)~";

// Section 16 (about 1018 characters): a closer look at the transmitter, its aerial and its tuning
// dial; about a minute left
inline constexpr char kRoomText16[] =
    R"~(  You leave the battery wires alone and lean over to the far corner of the box. The transmitter is a small black case glued to the cardboard. Two leads from the battery pack feed it power. Two more, thin and silver, run from its top to the loop aerial, a coil of copper wire laid around the inside walls of the box. On its face is a knurled tuning wheel with a scale of numbers beside it, and a white scratch marks the setting it has been turned to.
  When the charge goes, this box will shout its last word on that one frequency, and every bomb in the city tuned to it will answer. Stop the shout, or send it where no one is listening, and the others stay asleep.
  Or the letter is a bluff, a lie to keep you kneeling here while the seconds run out, and this is the only bomb there is.
  The display reads 1:03. About a minute. You can cut the aerial leads. You can turn the tuning wheel and change the frequency. Or you can decide that this box is the only danger, and run while you still can.
)~";

// Section 17 (about 2348 characters): the letter: lifting the envelope has started a five-minute
// countdown; the player raises the alarm and the building empties
inline constexpr char kRoomText17[] =
    R"~(  The tape lets go with a dry whisper, and as the envelope comes free something inside the box clicks. It is a small, clean sound, like a light switch in another room. Then a faint hum begins, so low that you feel it in your fingertips more than you hear it.
  You do not move. When nothing else happens, you tear the envelope open and unfold a single typed sheet.
  "Good morning, Agent. You have just started the clock. Lifting this envelope gave you five minutes, not one second more. This is not the only parcel I have delivered tonight. There are others in this city, in places where people are sleeping, and every one of them is listening by radio to the box at your feet. When it speaks, they answer. You have the tools. Leave the radio alone: touch it and you will not get your five minutes."
  You read it twice in the time it takes to draw one breath. Then you are moving. You run down the corridor, smash the glass of the fire alarm with the butt of the torch and hold the button down until the bells scream through every floor. You hammer on doors with your fist, shouting the one word that makes people move without asking questions. Doors open on frightened faces. Old Mrs. Okafor from across the landing comes out in her dressing gown, and you steer her gently toward the stairs, and the young couple from next door after her.
  You call the task force as you go and give the duty officer the address, the floor and the words radio-linked devices, city-wide, in that order. She asks you to stay on the line. You tell her there is no time and hang up.
  Within a minute the stairwell is a river of feet going down. Through the landing window you see people spilling out onto the pavement and into the park across the street, looking up. The building is emptying. Yours is the only door still open.
  You go back to the parcel. The hum has not changed. Somewhere inside that box a clock is running, and so, if the letter is true, are clocks in other buildings across the city, waiting to hear from this one. Running down the stairs with your neighbours would save you. It would save no one else.
  You kneel beside the box with the cutters and the box-knife. The string comes away easily, and the brown paper is only folded, not glued. Beneath it is plain cardboard, its flaps sealed with brown tape. The light out here in the corridor is poor. You have perhaps four minutes left, and you must decide how to get inside.
)~";

// Section 18 (about 1824 characters): ending: the player escapes, but fires across the city show
// that the other bombs went off
inline constexpr char kRoomText18[] =
    R"~(  The fire door at the foot of the stairs bursts open under your shoulder, and you are out in the cold grey street, running for the park where your neighbours stand in their coats and slippers. Someone shouts your name across the grass. You do not stop until you reach the trees.
  Behind you the building jumps. There is no other word for it. The windows of the fifth floor blow out in a single sheet of orange, and a moment later the sound arrives, a blow in the chest that knocks the breath out of you and sets every car alarm in the street wailing. Glass rains down onto the pavement where you stood half a minute ago. Bricks follow it. Smoke rolls up into the dawn.
  You are alive. Your neighbours are alive. For a few seconds that is all there is, and it feels like more than enough.
  Then Mrs. Okafor touches your arm and points, not at your building, but past it, over the rooftops to the east. A glow is rising there, low and red against the clouds. Beyond it, to the north, a second. A third blooms down by the river as you watch, and the sound of it rolls across the city a few seconds later, flat and far away, like a door slammed in another house.
  Your phone buzzes in your pocket. Then again. Then it does not stop. You do not need to answer it to know what the duty officer will say. The box on your doormat was not the only one. It was the one that gave the order, and you let it give it.
  You stand in the park with the others and watch the city burn in the first light. You saved one building and the people in it. Out there, in places where people were sleeping, the letter has kept its promise, and for the rest of your life you will wonder what would have happened if you had stayed one more minute with the little black box and its tuning wheel.

  THE END
)~";

// Section 19 (about 637 characters): losing: the cutters jam on the wires drawn together
inline constexpr char kRoomText19[] =
    R"~(  There is no time to guess which pair is the right one. You gather all six wires in one hand, draw them tight and fit them into the jaws of the cutters. Cut them all at once, you reason, and the board will have no time to notice which went first.
  You squeeze. The jaws bite into the bundle and stop. Six wires are too much for a small pair of cutters: the blades jam halfway, with some wires cut through, some bent, and some crushed together so that their bare cores touch. The display flickers wildly. You wrench at the handles, and the control board answers with a single, final spark. The blast takes the landing, the apartment and you.
)~";

// Section 20 (about 785 characters): the bomb stays quiet after the retuning; the player runs for
// the stairs
inline constexpr char kRoomText20[] =
    R"~(  Nothing happens. The display keeps counting, the hum goes on, the green light glows, and the box does not go off in your face. Wherever the transmitter is shouting now, nobody is tuned in to listen.
  There is nothing more you can do here, and less than a minute left to do it in. You drop the cutters, scramble to your feet and run for the stairs.
  The stairwell is empty, the alarm still shrieking. You take the steps three at a time, swinging around each landing by the rail: four, three, two. The building is old and the stairs are long, and whether you reach the street in time may come down to something this book cannot see from here. So it has to ask you. Be honest: how many times have you had to restart this story before you reached this page?
)~";

// Section 21 (about 257 characters): the wires from the control board to the timer; which pair to
// cut
inline constexpr char kRoomText21[] =
    R"~(  You spread the thin wires with the point of the knife. Six run from the switch panel to the control board, each pair twisted together: red from the reset switch, yellow from on/off, blue from disarm. The clock is still falling. Which pair do you cut?
)~";

// Section 22 (about 640 characters): losing: lifting the box triggers a pressure switch
inline constexpr char kRoomText22[] =
    R"~(  The bulb in the corridor is too weak to work by, and the kitchen table has a good lamp over it. You slide your palms under the box, brace your knees and lift.
  It is heavier than you expected, and for a heartbeat it rises cleanly. Then, from somewhere in its base, comes a second click, sharper than the first. You know the sound from training films: a pressure switch, a plate held down by the box's own weight and released the moment that weight left the floor.
  You have time to understand exactly what you have done. You do not have time to put it down. The blast takes the door, the corridor and you with it.
)~";

// Section 23 (about 1032 characters): ending: a jammed fire door delays the player, who dies as the
// building falls
inline constexpr char kRoomText23[] =
    R"~(  You reach the ground floor with twenty seconds to spare and throw your shoulder against the fire door that leads out to the street. It does not move.
  You hit it again. It gives an inch and stops dead. Through the gap you see the chain that someone, some caretaker tired of kids sneaking in at night, has looped around the outside bar and padlocked. You have walked past this door a hundred times and never noticed it.
  You turn and run for the front entrance along the ground-floor corridor, past the mailboxes, past the notice board with its faded flyers. You are ten steps short of the glass doors when the fifth floor lets go.
  The blast comes down through the building like a fist through wet paper. The ceiling bows, the walls lean in, and the floors above fold one onto the next. The last thing you hear is the roar of it; the last thing you feel is the cold tile of the hall against your cheek as the dark comes down.
  Some readers are luckier than others. You spent yours before you ever reached these stairs.

  THE END
)~";

// Section 24 (about 743 characters): losing: cutting the transmitter's power leads
inline constexpr char kRoomText24[] =
    R"~(  The letter said the other bombs are listening to this box by radio. Then silence the radio, and the city is safe whatever happens here. You reach past the battery pack to the pair of wires that runs off to the transmitter in the corner, fit the cutters around them and squeeze.
  The green light on the transmitter goes out. For a moment you think you have won something. Then you hear a new sound, a thin, rising whine from the control board. The builder knew the radio was the part someone would try to kill, and he ran its power through the board as a tamper loop. The instant the transmitter stopped drawing current, the board knew it had been touched. The letter did warn you. You will not get your five minutes.
)~";

// Section 25 (about 842 characters): under the wrapping: a countdown display and three switches
// marked reset, on/off and disarm
inline constexpr char kRoomText25[] =
    R"~(  You run the box-knife along the tape on the top flaps, holding the blade shallow so that it does not reach past the cardboard. The flaps fall open. Inside, the box is packed to the brim with something wrapped in silver foil, and set into the top of it, facing you like a dashboard, is a small black panel.
  A red display glows in the panel: 3:52. As you watch, it becomes 3:51, then 3:50. Below it are three push switches in a row, each with a neat label of white tape: RESET, ON/OFF, DISARM.
  It looks almost too easy, as if the builder wanted you to feel you were being offered a way out. The foil around the panel is crimped by hand, and where it lifts at one corner you glimpse coloured wire beneath. You could press one of the switches. Or you could leave them alone and peel back the foil to see what they are really connected to.
)~";

// Section 26 (about 1456 characters): losing: jammed front doors hold the player up and the blast
// catches the player in the street
inline constexpr char kRoomText26[] =
    R"~(  You come down the last flight at a run and across the hall toward the front entrance, the glass double doors that open onto the street. Beyond them you can see the park, grey in the first light, and the dark shapes of your neighbours under the trees.
  You hit the bar of the right-hand door. It does not open. You hit it again, harder, and it shudders in its frame but holds. The lock has jammed, the way it jams every winter when the damp gets into it, the way you have told the landlord a dozen times. This morning it has picked its moment.
  You try the left-hand door. It is bolted top and bottom. Your fingers slip on it once, twice, and then it shoots back, the door swings open and the cold air hits your face.
  You are across the pavement and halfway over the road when the fifth floor goes. The blast lifts you off your feet and flings you forward into the street. You do not feel yourself land. You feel the heat on your back, and then a long, ringing silence in which you lie on the wet tarmac and watch the sky above the park turn from grey to orange.
  Far away, across the city, nothing happens. No second glow, no third. The voice in the box never reached them, and the other bombs sleep on, waiting for an order that will never come. You do not live to hear that you were right.
  It was the doors, in the end. A few seconds lost at a jammed lock. That is how it goes for those who have already spent their luck.
)~";

// Section 27 (about 536 characters): losing: lifting the bomb triggers a pressure switch
inline constexpr char kRoomText27[] =
    R"~(  The box comes up off the mat an inch, then two. Then, from beneath the grey blocks, something snaps with a sound like a mousetrap.
  You know at once what it is. The builder set the whole charge on a plate held down by its own weight, a pressure switch waiting in the dark for anyone who tried to carry the problem somewhere else. The moment the weight came off, the circuit closed.
  The stairs, the park, the steel dumpsters: none of it will happen now. The blast takes you on your own doorstep, with the box still in your arms.
)~";

// Section 28 (about 1019 characters): the aerial leads are cut and the bomb stays quiet; the player
// runs for the stairs
inline constexpr char kRoomText28[] =
    R"~(  The radio is the voice the letter spoke of, and a voice needs a mouth. You leave its power leads alone and find the two thin silver wires that run from its top to the loop aerial coiled around the inside of the box.
  You hold your breath, fit the cutters around the first one and squeeze. It parts with a tiny snap. The green light does not change. You cut the second.
  Nothing happens. The hum goes on, the display keeps falling, and the transmitter glows on in its corner, ready to send its last word when the charge goes. But it has nothing left to speak through; whatever it says now, it will say to the inside of a cardboard box.
  You cannot stop the bomb. You have stopped what it was meant to start. That will have to do.
  You drop the cutters and run. The stairwell is empty and you take the steps three at a time. Whether you reach the street in time may depend on something this book cannot see, so it must ask you. Be honest: how many times have you had to restart this story before you reached this page?
)~";

// Section 29 (about 480 characters): losing: the disarm switch's wires are cut
inline constexpr char kRoomText29[] =
    R"~(  You choose the blue pair. If the disarm switch is a trap, cutting its wires should take the trap out of play. You slip the jaws of the cutters around them and squeeze.
  For a heartbeat the display keeps counting as if nothing has changed. The disarm line was the one that mattered, but not in the way you hoped. The board had held it closed from the moment the clock started, and it was waiting only for that line to open. The snap of the cutters is the last sound you ever hear.
)~";

// Section 30 (about 539 characters): losing: pressing the on/off switch
inline constexpr char kRoomText30[] =
    R"~(  If the device has an on/off switch, the simplest answer may be the right one. It is what you would do with any other machine that had got out of hand. You put your thumb on the switch marked ON/OFF and press.
  The display goes dark. The hum stops. For one long second the box is silent, and you let out the breath you have been holding. Then you remember what the letter said about the radio: when this box speaks, the others answer. Switching it off was how it was built to speak. The last thing you feel is the floor rising under you.
)~";

} // namespace content
