SELECT MsgText FROM Messages WHERE MsgKey = :parMsgId
