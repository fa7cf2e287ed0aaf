#!/usr/bin/python3
"""Writes the six word tables of the program into resources/DATA.

ENG_INF / US_INF          letters tables: letter, count, then per word the word and three sentences
ENG_WRDS / US_WRDS        subject tables: subject key, count, then the words of the subject
ENG_PICANDWORDS / US_...  word lists: one word a line

All tables are ASCII with CR LF after every line. The sentences below are written in British
spelling; the American table takes the same sentences through AMERICAN_SPELLING. Words that exist
in one variety only carry their own sentences.

Usage: make_tables.py [resources-dir]   (default: resources/ beside tools/)
       make_tables.py --keys            prints the 165 word keys, one a line
"""
import os
import re
import sys

# The words of each letter in the British letters table, in table order.
ENG_LETTER_WORDS = {
    "A": ["Airplane", "Ambulance", "Apple", "Aubergine", "Autumn"],
    "B": ["Banana", "Baseball", "Basketball", "Bear", "Bicycle", "Blackberry", "Black Shoe",
          "Blueberry", "Blue Car", "Blue Sea", "Broccoli", "Brown Bag", "Bus"],
    "C": ["Camel", "Car", "Carrot", "Cat", "Cherry", "Chilli", "Cloud", "Corn", "Courgette"],
    "D": ["Diving", "Dog", "Dolphin", "Drum", "Duck"],
    "E": ["Eagle", "Ear", "Earth", "Egg", "Elephant", "Emu", "Eye"],
    "F": ["Ferry", "Fish", "Fishing", "Flute", "Fog", "Football", "Frost"],
    "G": ["Garlic", "Giraffe", "Golf", "Goose", "Grape", "Green Frog", "Green Plant", "Guitar"],
    "H": ["Hamster", "Helicopter", "Hippopotamus", "Horse", "Hyena"],
    "I": ["Ibis", "Ice", "Ice cream", "Iguana", "Island"],
    "J": ["Jaguar", "Jellyfish", "Jet", "Jewellery"],
    "K": ["Kangaroo", "Key", "Kitten", "Kiwi Fruit", "Knife and Fork", "Koala", "Kookaburra"],
    "L": ["Lemon", "Lettuce", "Lightning", "Lime", "Lion"],
    "M": ["Mandolin", "Mango", "Melon", "Moon", "Motorcycle", "Mushroom"],
    "N": ["Nest", "Night", "Noodles", "Nose", "Nut"],
    "O": ["Ocean", "Onion", "Orange", "Orange Flower", "Orange Pencil"],
    "P": ["Parrot", "Pea", "Piano", "Pineapple", "Ping Pong", "Pink Flowers", "Potato", "Pumpkin",
          "Purple Glove"],
    "Q": ["Quail", "Queen", "Quokka"],
    "R": ["Rabbit", "Radish", "Rain", "Rainbow", "Recorder", "Red Guitar", "Red Telephone",
          "Rhinoceros", "Rock", "Running"],
    "S": ["Ship", "Ski", "Snow", "Squirrel", "Storm", "Strawberry", "Summer", "Sunset"],
    "T": ["Tiger", "Tomato", "Tortoise", "Tractor", "Train", "Tropical Fish", "Truck", "Turtle"],
    "U": ["Umbrella", "Underground", "Unicorn"],
    "V": ["Violet Flowers", "Violin", "Volcano"],
    "W": ["Wallaby", "Water Melon", "Whale", "Whistle", "White Cup", "White Flowers", "Wind",
          "Winter"],
    "X": ["X ray", "Xylophone"],
    "Y": ["Yacht", "Yellow Balloons", "Yellow Flowers", "Yoghurt"],
    "Z": ["Zebra", "Zip", "Zoo"],
}

# How the American letters table differs: words dropped, words replaced, words added.
US_DROPPED = {"Aubergine", "Courgette", "Football", "Underground"}
US_REPLACED = {"Chilli": "Chili", "Jewellery": "Jewelry"}
US_ADDED = ["Eggplant", "Soccer", "Subway", "Zucchini"]

# Word counts per letter as the tables must hold them.
ENG_COUNTS = [5, 13, 9, 5, 7, 7, 8, 5, 5, 4, 7, 5, 6, 5, 5, 9, 3, 10, 8, 8, 3, 3, 8, 2, 4, 3]
US_COUNTS = [4, 13, 8, 5, 8, 6, 8, 5, 5, 4, 7, 5, 6, 5, 5, 9, 3, 10, 10, 8, 2, 3, 8, 2, 4, 4]

# British spellings in the sentences and their American forms (whole words, same case).
AMERICAN_SPELLING = {
    "colour": "color", "colours": "colors", "coloured": "colored", "colourful": "colorful",
    "flavour": "flavor", "flavours": "flavors", "favourite": "favorite", "grey": "gray",
}

# Three example sentences a word, British spelling. Each sentence names its word.
SENTENCES = {
    # A
    "Airplane": ("An Airplane can fly very high.", "I go on my holidays by an airplane.",
                 "An airplane can be very noisy."),
    "Ambulance": ("An ambulance takes sick people to the hospital.",
                  "The ambulance has a loud siren.",
                  "Cars move out of the way when an ambulance comes."),
    "Apple": ("I eat an apple every day.", "This apple is red and crunchy.",
              "An apple grows on a tree."),
    "Aubergine": ("An aubergine is a purple vegetable.", "Dad cooks the aubergine in the oven.",
                  "The aubergine has a smooth, shiny skin."),
    "Autumn": ("In autumn the leaves fall from the trees.", "The leaves change colour in autumn.",
               "Autumn comes after summer."),
    # B
    "Banana": ("A banana is long and yellow.", "Monkeys like to eat bananas.",
               "I peel my banana before I eat it."),
    "Baseball": ("We play baseball in the park.", "You hit the ball with a bat in baseball.",
                 "My brother has a new baseball cap."),
    "Basketball": ("Basketball players are often very tall.",
                   "She throws the basketball into the hoop.", "We play basketball after school."),
    "Bear": ("A bear is big and strong.", "The brown bear catches fish in the river.",
             "A bear sleeps through the cold winter."),
    "Bicycle": ("I ride my bicycle to school.", "A bicycle has two wheels.",
                "Always wear a helmet on your bicycle."),
    "Blackberry": ("A blackberry is small, dark and sweet.", "I pick a blackberry from the bush.",
                   "Blackberry jam is very tasty."),
    "Black Shoe": ("This black shoe is shiny and new.", "My black shoe has long laces.",
                   "Where is my other black shoe?"),
    "Blueberry": ("A blueberry is a small round fruit.", "I put a blueberry on top of my cake.",
                  "Blueberry muffins are my favourite."),
    "Blue Car": ("Dad drives a blue car.", "The blue car stops at the red light.",
                 "A blue car is parked outside our house."),
    "Blue Sea": ("The boat sails on the blue sea.", "We swim in the blue sea in summer.",
                 "Many fish live in the deep blue sea."),
    "Broccoli": ("Broccoli looks like a little green tree.", "Broccoli is good for you.",
                 "We have broccoli with our dinner."),
    "Brown Bag": ("She carries a brown bag to work.", "The brown bag has a strong handle.",
                  "She keeps her keys in the brown bag."),
    "Bus": ("We take the bus to school.", "The bus stops at the corner.",
            "A big yellow bus goes past our house."),
    # C
    "Camel": ("A camel lives in the desert.", "A camel has one or two humps.",
              "A camel can walk for days without water."),
    "Car": ("We go to the shops in our car.", "Always wear a seat belt in the car.",
            "The car has four wheels."),
    "Carrot": ("A carrot is long and orange.", "Rabbits like to eat carrots.",
               "I grow carrots in my garden."),
    "Cat": ("My cat likes to sleep on my bed.", "The cat purrs when I stroke her.",
            "A cat has soft fur and long whiskers."),
    "Cherry": ("A cherry is small, round and red.", "I put a cherry on top of my ice cream.",
               "A cherry has a stone inside."),
    "Chilli": ("A chilli can be very hot.", "This red chilli is very spicy.",
               "We put a little chilli in the soup."),
    "Cloud": ("A white cloud floats in the sky.", "That cloud looks like a rabbit.",
              "A dark cloud can bring rain."),
    "Corn": ("Corn grows tall in the field.", "I like hot corn with butter.",
             "Corn is sweet and yellow."),
    "Courgette": ("A courgette is a long green vegetable.", "We grow courgettes in our garden.",
                  "I had courgette soup for lunch."),
    # D
    "Diving": ("We go diving in the sea.", "She wears a mask for diving.",
               "We see fish when we are diving."),
    "Dog": ("My dog loves to run and play.", "The dog wags its tail when it is happy.",
            "I take my dog for a walk every day."),
    "Dolphin": ("A dolphin is a clever animal.", "The dolphin jumps out of the water.",
                "A dolphin lives in the sea."),
    "Drum": ("I bang the drum with two sticks.", "The drum makes a loud sound.",
             "My brother plays the drum in a band."),
    "Duck": ("A duck swims on the pond.", "The duck says quack.",
             "A mother duck walks with her ducklings."),
    # E
    "Eagle": ("An eagle flies high in the sky.", "An eagle has very sharp eyes.",
              "The eagle builds its nest on a mountain."),
    "Ear": ("I hear with my ear.", "She whispers in my ear.", "An elephant has very big ears."),
    "Earth": ("We live on the planet Earth.", "The Earth goes around the Sun.",
              "Most of the Earth is covered by water."),
    "Egg": ("A hen lays an egg.", "I eat a boiled egg for breakfast.",
            "An egg can break if you drop it."),
    "Elephant": ("An elephant is very big and grey.", "An elephant has a long trunk.",
                 "The baby elephant walks with its mother."),
    "Emu": ("An emu is a big bird from Australia.", "An emu cannot fly, but it can run fast.",
            "The emu has long, strong legs."),
    "Eye": ("I see with my eye.", "Close one eye and wink at me.",
            "The eye doctor checks how well I can see."),
    # F
    "Ferry": ("We cross the river on a ferry.", "The ferry carries cars and people.",
              "The ferry sails to the island."),
    "Fish": ("A fish swims in the water.", "A fish has fins and a tail.",
             "We have fish for dinner on Friday."),
    "Fishing": ("Grandpa takes me fishing at the lake.", "We go fishing in a small boat.",
                "You need a rod to go fishing."),
    "Flute": ("She plays the flute in the school band.", "The flute makes a soft, sweet sound.",
              "You blow across the flute to play it."),
    "Fog": ("The fog is thick this morning.", "We cannot see far in the fog.",
            "Cars drive slowly in the fog."),
    "Football": ("We play football in the park.", "He kicks the football into the goal.",
                 "Football is a game for two teams."),
    "Frost": ("There is frost on the grass this morning.", "Frost makes the windows white.",
              "Frost comes on very cold nights."),
    # G
    "Garlic": ("Garlic has a strong smell.", "Dad puts garlic in the pasta sauce.",
               "A bulb of garlic has many cloves."),
    "Giraffe": ("A giraffe has a very long neck.", "The giraffe eats leaves from tall trees.",
                "A giraffe has brown spots."),
    "Golf": ("Grandma plays golf on Sundays.", "In golf you hit a small white ball.",
             "You need a club to play golf."),
    "Goose": ("A goose is a big bird that can swim.", "The goose flies south for the winter.",
              "A goose makes a loud honking sound."),
    "Grape": ("A grape can be green or purple.", "I eat one grape at a time.",
              "A grape grows in a bunch on a vine."),
    "Green Frog": ("A green frog sits on a leaf.", "The green frog jumps into the pond.",
                   "Can you hear the green frog croak?"),
    "Green Plant": ("A green plant needs water and light.", "I have a green plant in my bedroom.",
                    "Water the green plant every week."),
    "Guitar": ("My sister plays the guitar.", "A guitar has six strings.",
               "We sing songs while Dad plays the guitar."),
    # H
    "Hamster": ("My hamster lives in a cage.", "The hamster runs on its wheel.",
                "A hamster keeps food in its cheeks."),
    "Helicopter": ("A helicopter can fly straight up.", "The helicopter has long blades on top.",
                   "A rescue helicopter can land on a hill."),
    "Hippopotamus": ("A hippopotamus loves to sit in the water.",
                     "The hippopotamus has a very big mouth.", "A hippopotamus lives in Africa."),
    "Horse": ("I ride a horse on the farm.", "The horse eats hay and oats.",
              "A horse can run very fast."),
    "Hyena": ("A hyena lives in Africa.", "A hyena makes a sound like a laugh.",
              "The hyena has spots on its fur."),
    # I
    "Ibis": ("An ibis is a bird with a long, curved beak.", "The ibis looks for food in the mud.",
             "An ibis has long, thin legs."),
    "Ice": ("Ice is frozen water.", "I put ice in my drink.", "Walk carefully because the ice is slippery."),
    "Ice cream": ("What is your favourite flavour of ice cream?", "Ice cream is cold and sweet.",
                  "We eat ice cream on a hot day."),
    "Iguana": ("An iguana is a big green lizard.", "The iguana likes to lie in the sun.",
               "An iguana has a long tail."),
    "Island": ("An island has water all around it.", "We sail to a small island.",
               "There are palm trees on the island."),
    # J
    "Jaguar": ("A jaguar is a big wild cat.", "The jaguar has black spots on its fur.",
               "A jaguar lives in the rainforest."),
    "Jellyfish": ("A jellyfish floats in the sea.", "Do not touch a jellyfish because it can sting.",
                  "A jellyfish has no bones."),
    "Jet": ("A jet flies very fast.", "The jet leaves a white line in the sky.",
            "We fly to see Grandma in a big jet."),
    "Jewellery": ("My aunt keeps her jewellery in a box.", "Rings and necklaces are jewellery.",
                  "The queen wears shiny jewellery."),
    # K
    "Kangaroo": ("A kangaroo hops on its strong back legs.",
                 "A baby kangaroo lives in its mother's pouch.",
                 "The kangaroo comes from Australia."),
    "Key": ("I open the door with a key.", "Do not lose your key.",
            "The key hangs on a hook by the door."),
    "Kitten": ("A kitten is a baby cat.", "The kitten plays with a ball of wool.",
               "My kitten has soft orange fur."),
    "Kiwi Fruit": ("A kiwi fruit is brown and furry on the outside.",
                   "A kiwi fruit is green inside.", "I cut my kiwi fruit in half."),
    "Knife and Fork": ("I eat my dinner with a knife and fork.",
                       "Put the knife and fork on the table.",
                       "Hold your knife and fork carefully."),
    "Koala": ("A koala lives in a tree.", "The koala eats leaves.",
              "A koala sleeps for most of the day."),
    "Kookaburra": ("A kookaburra is a bird from Australia.",
                   "The kookaburra sounds like it is laughing.",
                   "A kookaburra sits in an old gum tree."),
    # L
    "Lemon": ("A lemon is yellow and sour.", "We make a cool drink with lemon juice.",
              "I put a slice of lemon in my water."),
    "Lettuce": ("Lettuce is a green leafy vegetable.", "I put lettuce in my sandwich.",
                "Rabbits like to eat lettuce."),
    "Lightning": ("Lightning flashes in the sky.", "Thunder comes after the lightning.",
                  "Stay inside when there is lightning."),
    "Lime": ("A lime is small, green and sour.", "We squeeze a lime into the drink.",
             "A lime looks like a little green lemon."),
    "Lion": ("A lion has a big, fluffy mane.", "The lion roars loudly.", "A lion lives in Africa."),
    # M
    "Mandolin": ("A mandolin is a small instrument with strings.",
                 "He plays a happy tune on the mandolin.", "A mandolin has eight strings."),
    "Mango": ("A mango is a sweet fruit.", "A mango is orange inside.", "I like mango juice."),
    "Melon": ("A melon is big and juicy.", "We share a melon at the picnic.",
              "A melon has many seeds inside."),
    "Moon": ("The moon shines at night.", "Sometimes the moon is round and sometimes it is thin.",
             "People have walked on the moon."),
    "Motorcycle": ("A motorcycle has two wheels and an engine.", "The motorcycle is very loud.",
                   "Wear a helmet when you ride on a motorcycle."),
    "Mushroom": ("A mushroom grows in the woods.", "I like mushroom soup.",
                 "Never eat a wild mushroom."),
    # N
    "Nest": ("The bird builds a nest in the tree.", "There are three eggs in the nest.",
             "Baby birds wait in the nest for food."),
    "Night": ("At night the sky is dark.", "We can see the stars at night.",
              "I go to bed at night."),
    "Noodles": ("I eat noodles with chopsticks.", "Noodles are long and thin.",
                "We have noodles in soup for lunch."),
    "Nose": ("I smell with my nose.", "The clown has a red nose.", "Blow your nose with a tissue."),
    "Nut": ("A squirrel eats a nut.", "A nut has a hard shell.",
            "Crack the nut to eat what is inside."),
    # O
    "Ocean": ("The ocean is very big and deep.", "Whales swim in the ocean.",
              "The ocean water is salty."),
    "Onion": ("An onion makes me cry when I cut it.", "Dad fries an onion in a pan.",
              "An onion grows under the ground."),
    "Orange": ("An orange is a juicy fruit.", "I drink orange juice for breakfast.",
               "Orange is a bright colour."),
    "Orange Flower": ("An orange flower grows in the garden.", "A bee sits on the orange flower.",
                      "I give Grandma an orange flower."),
    "Orange Pencil": ("I colour the sun with an orange pencil.",
                      "My orange pencil needs sharpening.", "Can I borrow your orange pencil?"),
    # P
    "Parrot": ("A parrot has bright, colourful feathers.", "My parrot can say hello.",
               "A parrot can copy what you say."),
    "Pea": ("A pea is small, round and green.", "A pea grows in a pod.",
            "I found one pea on my plate."),
    "Piano": ("She plays the piano every day.", "A piano has black and white keys.",
              "We sing songs around the piano."),
    "Pineapple": ("A pineapple has spiky leaves on top.", "A pineapple is sweet and yellow inside.",
                  "We have pineapple for dessert."),
    "Ping Pong": ("We play ping pong on a table.", "Ping pong is also called table tennis.",
                  "A ping pong ball is very light."),
    "Pink Flowers": ("The pink flowers smell sweet.", "I pick pink flowers for my teacher.",
                     "Bees love the pink flowers."),
    "Potato": ("A potato grows under the ground.", "I like a baked potato.",
               "We mash the potato with butter."),
    "Pumpkin": ("A pumpkin is big and orange.", "We make soup from a pumpkin.",
                "We carve a funny face on a pumpkin."),
    "Purple Glove": ("My purple glove keeps my fingers warm.",
                     "I lost my purple glove in the snow.",
                     "My purple glove is made of soft wool."),
    # Q
    "Quail": ("A quail is a small brown bird.", "A quail lays small spotted eggs.",
              "The quail runs through the grass."),
    "Queen": ("The queen wears a crown.", "The queen lives in a palace.",
              "The king and queen wave to the people."),
    "Quokka": ("A quokka is a small animal from Australia.", "A quokka looks like it is smiling.",
               "A baby quokka lives in its mother's pouch."),
    # R
    "Rabbit": ("A rabbit has long ears.", "My rabbit likes to eat carrots.",
               "The rabbit hops across the grass."),
    "Radish": ("A radish is small, round and red.", "A radish grows under the ground.",
               "I put a radish in my salad."),
    "Rain": ("I wear my boots in the rain.", "The rain makes puddles.", "Plants need rain to grow."),
    "Rainbow": ("A rainbow has seven colours.", "We see a rainbow after the rain.",
                "A rainbow is a big arch in the sky."),
    "Recorder": ("I play the recorder at school.", "You blow into a recorder to play it.",
                 "A recorder has holes for your fingers."),
    "Red Guitar": ("He plays a song on his red guitar.", "The red guitar is very shiny.",
                   "My uncle has a red guitar."),
    "Red Telephone": ("The red telephone is ringing.", "Grandma has an old red telephone.",
                      "Pick up the red telephone and say hello."),
    "Rhinoceros": ("A rhinoceros has a horn on its nose.", "The rhinoceros has thick, grey skin.",
                   "A rhinoceros is very heavy."),
    "Rock": ("I sit on a big rock.", "There is a crab under the rock.", "A rock is hard and heavy."),
    "Running": ("Running makes my heart beat fast.", "She is running in a race.",
                "Running is good exercise."),
    # S
    "Ship": ("A big ship sails on the sea.", "The ship carries many people.",
             "The captain steers the ship."),
    "Ski": ("I ski down the snowy hill.", "You wear a ski on each foot.",
            "We go on a ski trip in winter."),
    "Snow": ("Snow is cold and white.", "We build a snowman in the snow.", "Snow falls in winter."),
    "Squirrel": ("A squirrel has a bushy tail.", "The squirrel climbs up the tree.",
                 "A squirrel hides nuts for the winter."),
    "Storm": ("A storm brings strong wind and rain.", "We stay inside during the storm.",
              "A storm can knock down trees."),
    "Strawberry": ("A strawberry is red and sweet.", "A strawberry has tiny seeds on its skin.",
                   "I like strawberry jam."),
    "Summer": ("It is hot in summer.", "We go to the beach in summer.",
               "Summer comes after spring."),
    "Sunset": ("The sky is orange and pink at sunset.", "We watch the sunset from the beach.",
               "The sunset is beautiful tonight."),
    # T
    "Tiger": ("A tiger has orange fur and black stripes.", "The tiger is a big, strong cat.",
              "A tiger can swim very well."),
    "Tomato": ("A tomato is red and juicy.", "I put a tomato in my salad.",
               "Tomato soup is warm and tasty."),
    "Tortoise": ("A tortoise has a hard shell.", "The tortoise walks very slowly.",
                 "A tortoise can live for a very long time."),
    "Tractor": ("The farmer drives a tractor.", "The tractor pulls a big trailer.",
                "A tractor has very big wheels."),
    "Train": ("We travel by train.", "The train goes along the track.",
              "The train stops at the station."),
    "Tropical Fish": ("A tropical fish has bright colours.", "We keep tropical fish in a tank.",
                      "A tropical fish swims in warm water."),
    "Truck": ("A big truck carries heavy things.", "The truck has many wheels.",
              "The fire truck is red."),
    "Turtle": ("A turtle swims in the sea.", "A turtle can hide inside its shell.",
               "The baby turtle walks to the water."),
    # U
    "Umbrella": ("I open my umbrella when it rains.", "My umbrella is brightly coloured.",
                 "Do not forget your umbrella."),
    "Underground": ("We ride the underground under the city.",
                    "The underground train is very fast.",
                    "We wait for the underground at the station."),
    "Unicorn": ("A unicorn has one horn on its head.", "A unicorn is a magic horse from stories.",
                "I draw a unicorn with a rainbow."),
    # V
    "Violet Flowers": ("Violet flowers grow in the garden.", "The violet flowers smell lovely.",
                       "I put violet flowers in a vase."),
    "Violin": ("She plays the violin.", "You play a violin with a bow.",
               "The violin makes a beautiful sound."),
    "Volcano": ("A volcano is a mountain that can erupt.", "Hot lava comes out of the volcano.",
                "Smoke rises from the volcano."),
    # W
    "Wallaby": ("A wallaby looks like a small kangaroo.", "A wallaby hops through the bush.",
                "A baby wallaby lives in a pouch."),
    "Water Melon": ("A water melon is green outside and red inside.",
                    "We eat water melon on a hot day.", "A water melon is big and heavy."),
    "Whale": ("A whale is a very big animal.", "A whale breathes through a hole on top of its head.",
              "We see a whale from the boat."),
    "Whistle": ("The teacher blows a whistle.", "A whistle makes a loud sound.",
                "Blow the whistle to start the race."),
    "White Cup": ("I drink milk from a white cup.", "The white cup is on the table.",
                  "The tea in the white cup is hot."),
    "White Flowers": ("White flowers grow by the path.", "The bride holds white flowers.",
                      "I give my mother white flowers."),
    "Wind": ("The wind blows the leaves.", "We fly a kite in the wind.", "The wind is strong today."),
    "Winter": ("It is cold in winter.", "We wear warm coats in winter.", "It snows in winter."),
    # X
    "X ray": ("An X ray shows the bones inside your body.", "The doctor looks at my X ray.",
              "I had an X ray of my arm."),
    "Xylophone": ("I play a tune on the xylophone.", "You hit a xylophone with little sticks.",
                  "A xylophone has bars of different sizes."),
    # Y
    "Yacht": ("A yacht has white sails.", "We sail on a yacht.", "The yacht moves with the wind."),
    "Yellow Balloons": ("We have yellow balloons at my party.",
                        "The yellow balloons float up high.", "I hold three yellow balloons."),
    "Yellow Flowers": ("Yellow flowers look like little suns.", "Bees like yellow flowers.",
                       "I pick yellow flowers in the field."),
    "Yoghurt": ("I eat yoghurt for breakfast.", "Strawberry yoghurt is my favourite.",
                "Yoghurt is made from milk."),
    # Z
    "Zebra": ("A zebra has black and white stripes.", "A zebra looks like a horse.",
              "A zebra eats grass."),
    "Zip": ("I pull up the zip on my coat.", "The zip on my bag is stuck.",
            "Do up your zip when it is cold outside."),
    "Zoo": ("We see many animals at the zoo.", "The zoo has lions and tigers.",
            "I like to visit the zoo."),
}

# Sentences of the words that only the American table has.
US_ONLY_SENTENCES = {
    "Chili": ("A chili can be very hot.", "This red chili is very spicy.",
              "We put a little chili in the soup."),
    "Eggplant": ("An eggplant is a purple vegetable.", "Dad cooks the eggplant in the oven.",
                 "The eggplant has a smooth, shiny skin."),
    "Jewelry": ("My aunt keeps her jewelry in a box.", "Rings and necklaces are jewelry.",
                "The queen wears shiny jewelry."),
    "Soccer": ("We play soccer in the park.", "He kicks the soccer ball into the goal.",
               "Soccer is a game for two teams."),
    "Subway": ("We ride the subway under the city.", "The subway train is very fast.",
               "We wait for the subway at the station."),
    "Zucchini": ("A zucchini is a long green vegetable.", "We grow zucchini in our garden.",
                 "I had zucchini soup for lunch."),
}

# Subject tables: (subject key, British words, American words where they differ).
SUBJECTS = [
    ("ANIMALS", ["Bear", "Camel", "Dolphin", "Duck", "Eagle", "Elephant", "Emu", "Giraffe", "Goose",
                 "Hippopotamus", "Horse", "Hyena", "Ibis", "Jaguar", "Jellyfish", "Kangaroo",
                 "Koala", "Kookaburra", "Lion", "Nest", "Quail", "Quokka", "Rhinoceros",
                 "Squirrel", "Tiger", "Turtle", "Unicorn", "Wallaby", "Whale", "Zebra", "Zoo"],
     None),
    ("COLORS", ["Black shoe", "Blue car", "Blue sea", "Brown bag", "Green frog", "Green plant",
                "Orange flower", "Orange pencil", "Pink flowers", "Purple glove", "Red guitar",
                "Red telephone", "Violet flowers", "White cup", "White flowers", "Yellow balloons",
                "Yellow flowers"], None),
    ("FRUIT", ["Apple", "Banana", "Blackberry", "Blueberry", "Cherry", "Grape", "Kiwi fruit",
               "Lemon", "Lime", "Mango", "Melon", "Orange", "Pineapple", "Strawberry",
               "Watermelon"], None),
    ("GENERAL", ["Ear", "Egg", "Eye", "Ice cream", "Jewellery", "Key", "Knife and fork", "Noodles",
                 "Nose", "Nut", "Queen", "X ray", "Yoghurt", "Zip"],
     ["Ear", "Egg", "Eye", "Ice cream", "Jewelry", "Key", "Knife and fork", "Noodles", "Nose",
      "Nut", "Queen", "X ray", "Yoghurt", "Zip"]),
    ("MUSICAL", ["Drum", "Flute", "Guitar", "Mandolin", "Piano", "Recorder", "Trumpet", "Violin",
                 "Xylophone"], None),
    ("NATURAL", ["Autumn", "Cloud", "Coast", "Earth", "Fog", "Frost", "Ice", "Island", "Lightning",
                 "Moon", "Night", "Ocean", "Rain", "Rainbow", "Rock", "Snow", "Storm", "Summer",
                 "Sunset", "Umbrella", "Volcano", "Wind", "Winter"], None),
    ("PETS", ["Cat", "Dog", "Fish", "Hamster", "Iguana", "Kitten", "Parrot", "Rabbit", "Tortoise",
              "Tropical fish"], None),
    ("SPORTS", ["Baseball", "Basketball", "Diving", "Fishing", "Football", "Golf", "Ping pong",
                "Running", "Ski", "Whistle"],
     ["Baseball", "Basketball", "Diving", "Fishing", "Golf", "Ping Pong", "Running", "Ski",
      "Soccer", "Whistle"]),
    ("TRANSPORT", ["Airplane", "Ambulance", "Bicycle", "Bus", "Car", "Ferry", "Helicopter", "Jet",
                   "Motorcycle", "Ship", "Tractor", "Train", "Truck", "Underground", "Yacht"],
     ["Airplane", "Ambulance", "Bicycle", "Bus", "Car", "Ferry", "Helicopter", "Jet", "Motorcycle",
      "Ship", "Subway", "Tractor", "Train", "Truck", "Yacht"]),
    ("VEGETABLES", ["Aubergine", "Broccoli", "Carrot", "Chilli", "Corn", "Courgette", "Garlic",
                    "Lettuce", "Mushroom", "Onion", "Pea", "Potato", "Pumpkin", "Radish", "Tomato"],
     ["Broccoli", "Carrot", "Chili", "Corn", "Eggplant", "Garlic", "Lettuce", "Mushroom", "Onion",
      "Pea", "Potato", "Pumpkin", "Radish", "Tomato", "Zucchini"]),
]

# The British word list, line by line.
ENG_WORD_LIST = """Airplane, Ambulance, Apple, Aubergine, Autumn, Banana, Baseball, Basketball, Bear,
Bicycle, Blackberry, Black Shoe, Blueberry, Blue Car, Blue Sea, Broccoli, Brown Bag, Bus, Camel,
Car, Carrot, Cat, Cherry, Chilli, Cloud, Corn, Diving, Dog, Dolphin, Drum, Duck, Eagle, Ear, Earth,
Egg, Elephant, Emu, Eye, Ferry, Fish, Fishing, Flute, Fog, Football, Frost, Garlic, Giraffe, Golf,
Goose, Grape, Green Frog, Green Plant, Guitar, Hamster, Helicopter, Hippopotamus, Horse, Hyena,
Ibis, Ice, Ice Cream, Iguana, Island, Jaguar, Jellyfish, Jet, Jewellery, Kangaroo, Key, Kitten,
Kiwi Fruit, Knife and Fork, Koala, Kookaburra, Lemon, Lettuce, Lightning, Lime, Lion, Mandolin,
Mango, Melon, Moon, Motorcycle, Mushroom, Nest, Night, Noodles, Nose, Nut, Ocean, Onion, Orange,
Orange Flower, Orange Pencil, Parrot, Pea, Piano, Pineapple, Ping Pong, Pink Flowers, Potato,
Pumpkin, Purple Glove, Quail, Queen, Quokka, Rabbit, Radish, Rain, Rainbow, Recorder, Red Guitar,
Red Telephone, Rhinoceros, Rock, Running, Ship, Ski, Snow, Squirrel, Storm, Strawberry, Summer,
Sunset, Tiger, Tomato, Tortoise, Tractor, Train, Tropical Fish, Truck, Turtle, Umbrella,
Underground, Unicorn, Violet Flowers, Violin, Volcano, Wallaby, Water Melon, Whale, Whistle,
White Cup, White Flowers, Wind, Winter, X ray, Xylophone, Yacht, Yellow Balloons, Yellow Flowers,
Yoghurt, Zebra, Zip, Zoo, Zucchini"""

# The American word list replaces five British entries; each moves to its own alphabetical place.
US_WORD_LIST_SPELLING = {"Aubergine": "Eggplant", "Chilli": "Chili", "Football": "Soccer",
                         "Jewellery": "Jewelry", "Underground": "Subway"}

LETTERS = [chr(c) for c in range(ord("A"), ord("Z") + 1)]


def sort_key(word):
    return word.replace(" ", "").lower()


def word_key(word):
    return word.replace(" ", "").upper()


def americanise(sentence):
    def swap(match):
        british = match.group(0)
        american = AMERICAN_SPELLING[british.lower()]
        return american[0].upper() + american[1:] if british[0].isupper() else american
    pattern = r"\b(" + "|".join(AMERICAN_SPELLING) + r")\b"
    return re.sub(pattern, swap, sentence, flags=re.IGNORECASE)


def us_letter_words():
    words = {}
    for letter, eng in ENG_LETTER_WORDS.items():
        us = [US_REPLACED.get(w, w) for w in eng if w not in US_DROPPED]
        us += [w for w in US_ADDED if w[0] == letter]
        words[letter] = sorted(us, key=sort_key)
    return words


def sentences_for(word, american):
    if word in US_ONLY_SENTENCES:
        return US_ONLY_SENTENCES[word]
    british = SENTENCES[word]
    return tuple(americanise(s) for s in british) if american else british


def letters_table(words_by_letter, counts, american):
    lines = []
    for letter, count in zip(LETTERS, counts):
        words = words_by_letter[letter]
        check(len(words) == count, f"{letter}: {len(words)} words, expected {count}")
        check(words == sorted(words, key=sort_key), f"{letter}: words out of order")
        lines += [letter, str(count)]
        for word in words:
            check(word[0] == letter, f"{word} does not begin with {letter}")
            lines.append(word)
            for sentence in sentences_for(word, american):
                check(sentence[-1] in ".?!", f"{word}: sentence without an end mark: {sentence}")
                check(word.lower() in sentence.lower(), f"{word}: not named in: {sentence}")
                lines.append(sentence)
    check(len(lines) == 680, f"letters table has {len(lines)} lines")
    return lines


def subject_table(american):
    lines = []
    for subject, eng, us in SUBJECTS:
        words = us if (american and us) else eng
        check(words == sorted(words, key=sort_key), f"{subject}: words out of order")
        check(len(set(words)) == len(words), f"{subject}: repeated word")
        lines += [subject, str(len(words))] + words
    check(len(lines) == 179, f"subject table has {len(lines)} lines")
    return lines


def word_list(american):
    words = [w.strip() for w in ENG_WORD_LIST.replace("\n", " ").split(",")]
    if american:
        words = sorted((US_WORD_LIST_SPELLING.get(w, w) for w in words), key=sort_key)
    check(words == sorted(words, key=sort_key), "word list out of order")
    check(len(words) == 157, f"word list has {len(words)} lines")
    return words


def check(condition, message):
    if not condition:
        sys.exit("make_tables: " + message)


def encode(lines):
    for line in lines:
        check(line and line == line.strip(), f"empty line or outer blank: {line!r}")
        check("|" not in line, f"separator in line: {line!r}")
        check(all(32 <= ord(c) < 127 for c in line), f"not printable ASCII: {line!r}")
    return "".join(line + "\r\n" for line in lines).encode("ascii")


def all_tables():
    us_words = us_letter_words()
    return {
        "ENG_INF": letters_table(ENG_LETTER_WORDS, ENG_COUNTS, american=False),
        "US_INF": letters_table(us_words, US_COUNTS, american=True),
        "ENG_WRDS": subject_table(american=False),
        "US_WRDS": subject_table(american=True),
        "ENG_PICANDWORDS": word_list(american=False),
        "US_PICANDWORDS": word_list(american=True),
    }


def all_word_keys():
    words = set(w for ws in ENG_LETTER_WORDS.values() for w in ws)
    words |= set(w for ws in us_letter_words().values() for w in ws)
    for _, eng, us in SUBJECTS:
        words |= set(eng) | set(us or [])
    words |= set(word_list(False)) | set(word_list(True))
    return sorted(set(word_key(w) for w in words))


def main():
    tables = all_tables()
    used = set(w for ws in ENG_LETTER_WORDS.values() for w in ws) | set(US_ONLY_SENTENCES)
    check(used == set(SENTENCES) | set(US_ONLY_SENTENCES), "sentences for words not in the tables")
    keys = all_word_keys()
    check(len(keys) == 165, f"{len(keys)} word keys, expected 165")
    if sys.argv[1:] == ["--keys"]:
        print("\n".join(keys))
        return
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "..", "resources")
    out = os.path.join(root, "DATA")
    os.makedirs(out, exist_ok=True)
    for name, lines in tables.items():
        data = encode(lines)
        with open(os.path.join(out, name + ".txt"), "wb") as f:
            f.write(data)
        print(f"{name}.txt: {len(lines)} lines, {len(data)} bytes")


if __name__ == "__main__":
    main()
