# Commands of the act-standin tool.
